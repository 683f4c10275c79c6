#pragma once
// The text shown by the viewer stage of Zefnote.exe: the file's lines cut
// into display rows of at most kWrapColumns cells, tabs expanded, never
// splitting a double-byte character.
#include <string>
#include <vector>

class ViewerDocument {
public:
    static const int kWrapColumns = 80;
    static const int kTabColumns = 8;

    // Reads a Shift_JIS file; on failure leaves the document as it was and
    // gives the message to show.
    bool LoadFile(const std::string& Path, std::string& Error);
    void SetText(const std::string& Bytes);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& RowForDisplay(int Row) const { return rows_[static_cast<size_t>(Row)]; }
    bool EndsWithoutLineBreak() const { return endsWithoutLineBreak_; }

private:
    void AddLine(const char* p, size_t n);

    std::vector<std::string> rows_;
    bool endsWithoutLineBreak_ = false;
};
