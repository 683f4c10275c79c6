#pragma once
// The text shown by the viewer stage of Zefnote.exe: the file's bytes in the editor's
// row list, cut with its word wrap at WrapByte 80, rows shown with tabs expanded.
#include <memory>
#include <string>

class TEditorScreenStrings;
class ViewerHost;

class ViewerDocument {
public:
    static const int kWrapColumns = 80;
    static const int kTabColumns = 8;

    ViewerDocument();
    ~ViewerDocument();
    ViewerDocument(const ViewerDocument&) = delete;
    ViewerDocument& operator=(const ViewerDocument&) = delete;

    // Reads a Shift_JIS file; on failure leaves the document as it was and
    // gives the message to show.
    bool LoadFile(const std::string& Path, std::string& Error);
    void SetText(const std::string& Bytes);

    int RowCount() const;
    // The row with its tabs expanded to spaces.
    std::string RowForDisplay(int Row) const;
    bool EndsWithoutLineBreak() const;

private:
    std::unique_ptr<ViewerHost> host_;
};
