#pragma once
// The Lines facade of a control: the rows of its row list presented as logical lines.
// It has no storage of its own; every change goes through the row list's ReplaceRows
// and puts the control's caret after the new text.
#include "base/update_counter.h"

#include <string>
#include <vector>

class TLinesHost;
class TEditorScreenStrings;
class TPointerStringList;

class TEditorStrings {
public:
    explicit TEditorStrings(TLinesHost& Owner) : FOwner(Owner) {}
    virtual ~TEditorStrings() = default;
    TEditorStrings(const TEditorStrings&) = delete;
    TEditorStrings& operator=(const TEditorStrings&) = delete;

    int Count();
    // Indexes outside 0 ... Count - 1 raise EListError (Insert also takes Count).
    std::string Get(int Index);
    void Put(int Index, const std::string& S);
    int Add(const std::string& S);
    void Insert(int Index, const std::string& S);
    void Delete(int Index);
    void Clear();
    int LineToRow(int Index);

    // Every row, CR LF after each raCrlf row; one allocation.
    std::string Text();
    void SetText(const std::string& Value);

    void Assign(TEditorStrings& Source);
    void Assign(const TPointerStringList& Source);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdates.Count(); }

protected:
    virtual void SetUpdateState(bool Updating);

private:
    TEditorScreenStrings& List();
    void CheckIndex(int Index);
    void PlaceCaretAfterAssign();

    TLinesHost& FOwner;
    TUpdateCounter FUpdates;
};

// The stored form of a control's lines: one string per logical line, rows joined while
// they are raWrapped.
std::vector<std::string> WriteStoredLines(const TEditorScreenStrings& Rows);
// Replaces the rows by one unwrapped raCrlf row per string; cutting happens when the
// control finishes loading.
void ReadStoredLines(TEditorScreenStrings& Rows, const std::vector<std::string>& Lines);
