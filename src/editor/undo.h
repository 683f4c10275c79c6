#pragma once
// The undo and redo history of a row list.  Every ReplaceRows records one step: the
// text of the rows it is about to replace and how many rows the new text fills.
// Undoing puts the old text back and moves the inverse step to the redo list.
#include "editor/editor_string_list.h"

#include <memory>
#include <string>
#include <vector>

class TEditorScreenStrings;

struct TUndoData {
    int CaretRow = 0;
    int CaretCol = 0;
    int StartRow = -1;
    int RowCount = 0;
    TEditorRowAttribute Attribute = TEditorRowAttribute::raInvalid;
    std::string Text;
};

// Owned steps, oldest first.
class TUndoDataList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TUndoData& operator[](int Index) { return *FItems[static_cast<std::size_t>(Index)]; }
    const TUndoData& operator[](int Index) const { return *FItems[static_cast<std::size_t>(Index)]; }
    TUndoData& Last() { return *FItems.back(); }
    TUndoData& Add(std::unique_ptr<TUndoData> Step);
    void Delete(int Index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TUndoData>> FItems;
};

class TEditorUndoObj {
public:
    static constexpr int DefaultUndoListMax = 64;

    explicit TEditorUndoObj(TEditorScreenStrings& Owner) : FOwner(Owner) {}
    virtual ~TEditorUndoObj() = default;
    TEditorUndoObj(const TEditorUndoObj&) = delete;
    TEditorUndoObj& operator=(const TEditorUndoObj&) = delete;

    // A new step on the undo list, with the active view's caret, for the recorder to
    // fill.  Drops the oldest step beyond the maximum and, unless a redo is being
    // recorded, ends the redo history.
    virtual TUndoData& NewUndoData();
    virtual bool CanRedo() const { return FRedoList.Count() > 0; }
    virtual bool CanUndo() const { return FUndoList.Count() > 0; }
    virtual void Redo();
    virtual void Undo();
    // A copy of Step on the redo list, with the active view's caret now.
    virtual void AddRedoData(const TUndoData& Step);
    virtual void Clear();

    int UndoListMax() const { return FUndoListMax; }
    // Stores at least the default maximum.
    void SetUndoListMax(int Value) { FUndoListMax = Value < DefaultUndoListMax ? DefaultUndoListMax : Value; }

    int UndoCount() const { return FUndoList.Count(); }
    int RedoCount() const { return FRedoList.Count(); }
    // The most recent steps, for inspection.
    const TUndoData& LastUndo() { return FUndoList.Last(); }
    const TUndoData& LastRedo() { return FRedoList.Last(); }

    // Bytes of text held by both lists.
    std::size_t TextBytes() const;

private:
    // Takes out the rows that S says hold the new text and puts S's text back; returns
    // the text taken out, its last attribute and the number of rows inserted.
    void Exchange(TUndoData& S, std::string& CurText, TEditorRowAttribute& CurAttribute,
                  int& Inserted);
    void MoveCaretBack(const TUndoData& S);

    TEditorScreenStrings& FOwner;
    int FUndoListMax = DefaultUndoListMax;
    bool FRedoing = false;
    TUndoDataList FRedoList;
    TUndoDataList FUndoList;
};
