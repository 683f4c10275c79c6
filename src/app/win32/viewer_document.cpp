#include "app/win32/viewer_document.h"

#include "editor/column_map.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "editor/word_wrap.h"

#include <windows.h>

// The viewer's stand-in for the editor control: owns the row list as its only view;
// the window repaints everything itself, so the notifications need no work.
class ViewerHost : public TLinesHost {
public:
    ViewerHost() : list_(new TEditorScreenStrings), lines_(*this) {
        list_->AddEditor(this);
        list_->WrapOption().SetWrapByte(ViewerDocument::kWrapColumns);
        list_->SetWordWrap(true);
    }
    ~ViewerHost() override { list_->RemoveEditor(this); }

    TEditorScreenStrings& List() { return *list_; }
    TEditorStrings& Lines() { return lines_; }

    void Change() override {}
    int Row() const override { return row_; }
    void SetRow(int Value) override { row_ = Value; }
    int Col() const override { return col_; }
    void SetCol(int Value) override { col_ = Value; }
    int TopRow() const override { return top_; }
    void SetTopRow(int Value) override { top_ = Value; }
    void CleanSelection() override {}
    bool Selected() const override { return false; }
    bool Loading() const override { return false; }
    bool Focused() const override { return true; }
    void InvalidateRow(int) override {}
    void UpdateScrollBars() override {}
    void Invalidate() override {}
    int TabSpaceCount() const override { return ViewerDocument::kTabColumns; }
    const TEditorViewInfo* ParserView() const override { return nullptr; }
    int PageRows() const override { return 40; }
    TEditorScreenStrings& RowList() override { return *list_; }
    void SetTopCol(int) override {}
    void SetCaretByOffset(int BaseRow, int) override { row_ = BaseRow; }
    void CaretHide() override {}
    void CaretShow() override {}
    void UnderlineSuspend() override {}
    void UnderlineResume() override {}
    void UpdateCaret() override {}
    void SetBulkUpdate(bool) override {}
    void SetRedraw(bool) override {}

private:
    TEditorScreenStrings* list_; // deleted by RemoveEditor of its last view
    TEditorStrings lines_;
    int row_ = 0, col_ = 0, top_ = 0;
};

ViewerDocument::ViewerDocument() : host_(std::make_unique<ViewerHost>()) {}
ViewerDocument::~ViewerDocument() = default;

bool ViewerDocument::LoadFile(const std::string& Path, std::string& Error) {
    HANDLE f = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        Error = "ファイル " + Path + " は開けません";
        return false;
    }
    std::string bytes;
    char block[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(f, block, sizeof block, &got, nullptr) != 0) && got > 0)
        bytes.append(block, got);
    CloseHandle(f);
    if (!ok) {
        Error = "ファイル " + Path + " は開けません";
        return false;
    }
    SetText(bytes);
    return true;
}

void ViewerDocument::SetText(const std::string& Bytes) {
    TEditorScreenStrings& list = host_->List();
    host_->Lines().SetText(Bytes);
    // A last line without a line break keeps that form.
    bool open = !Bytes.empty() && Bytes.back() != '\n' && Bytes.back() != '\r';
    if (open && list.Count() > 0) list.SetRowAttribute(list.Count() - 1, raEof);
}

int ViewerDocument::RowCount() const {
    return host_->List().Count();
}

std::string ViewerDocument::RowForDisplay(int Row) const {
    return ExpandTabs(host_->List().Get(Row), kTabColumns, true, kWrapColumns);
}

bool ViewerDocument::EndsWithoutLineBreak() const {
    TEditorScreenStrings& list = host_->List();
    int n = list.Count();
    return n > 0 && list.GetRowAttribute(n - 1) == raEof;
}
