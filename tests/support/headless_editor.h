#pragma once
// A TEditor on the headless host: a 640 x 400 client area of 8 x 16 cells, an in-memory
// clipboard, and helpers to load text, press keys, type and point at cells.
#include "editor/editor.h"
#include "editor/undo.h"
#include "platform/headless/headless_canvas_metrics.h"
#include "platform/headless/headless_clipboard.h"
#include "platform/headless/headless_text_view_host.h"
#include "support/enum_print.h"

#include <memory>
#include <string>

struct THeadlessEditor {
    THeadlessTextViewHost Host;
    THeadlessClipboard Clipboard;
    THeadlessCanvasMetrics Metrics;
    std::unique_ptr<TEditor> Editor;

    explicit THeadlessEditor(bool Focus = true) {
        Editor = std::make_unique<TEditor>(&Host, &Clipboard, &Metrics);
        Host.OnSetFocus = [this] { Editor->FocusGained(); };
        if (Focus) Host.SetFocus();
    }

    TEditor* operator->() { return Editor.get(); }
    TEditor& E() { return *Editor; }

    // Replaces the text by Text as a file load would: a last line without line break is
    // an raEof row.  Undo history, Modified and the caret start afresh.
    void Load(const std::string& Text) {
        TEditorScreenStrings& L = Editor->RowList();
        L.Clear();
        if (!Text.empty()) L.ReplaceRows(0, 0, Text);
        L.UndoObj().Clear();
        Editor->SetModified(false);
        Editor->SetRowCol(0, 0);
    }

    void Key(int VirtualKey, TShiftState Shift = TShiftState(), bool Repeat = false) {
        int K = VirtualKey;
        Host.Shift = Has(Shift, TShiftState::ssShift);
        Host.Ctrl = Has(Shift, TShiftState::ssCtrl);
        Editor->KeyDown(K, Shift, Repeat);
        if (!Repeat) {
            K = VirtualKey;
            Editor->KeyUp(K, Shift);
        }
        Host.Shift = Host.Ctrl = false;
    }
    void Keys(int VirtualKey, int Times, TShiftState Shift = TShiftState()) {
        for (int I = 0; I < Times; ++I)
            Key(VirtualKey, Shift);
    }

    void Type(const std::string& S) {
        for (char C : S)
            Editor->KeyPress(C);
    }

    std::string Text() { return Editor->Lines().Text(); }

    // "text|attribute" for each row, separated by spaces.
    std::string Rows() {
        TEditorScreenStrings& L = Editor->RowList();
        std::string S;
        for (int R = 0; R < L.Count(); ++R)
            S += (R ? " " : "") + L.Get(R) + "|" + EnumText(L.GetRowAttribute(R));
        return S;
    }

    // Pixel of the left edge of column Col, a little inside the cell; of row Row, inside.
    int X(int Col) {
        return Editor->Margin().Left() + (Col - Editor->TopCol()) * Editor->CharWidth();
    }
    int Y(int Row) {
        return Editor->Margin().Top() + (Row - Editor->TopRow()) * Editor->RowHeight() + 1;
    }

    void Click(int Row, int Col, TShiftState Shift = TShiftState()) {
        Host.Alt = Has(Shift, TShiftState::ssAlt);
        Editor->MouseDown(TMouseButton::mbLeft, Shift | TShiftState::ssLeft, X(Col), Y(Row));
        Editor->MouseUp(TMouseButton::mbLeft, Shift, X(Col), Y(Row));
        Host.Alt = false;
    }
    // Press at one cell boundary, move to another, release.
    void Drag(int Row1, int Col1, int Row2, int Col2, TShiftState Shift = TShiftState()) {
        Host.Alt = Has(Shift, TShiftState::ssAlt);
        Editor->MouseDown(TMouseButton::mbLeft, Shift | TShiftState::ssLeft, X(Col1), Y(Row1));
        Editor->MouseMove(Shift | TShiftState::ssLeft, X(Col2), Y(Row2));
        Editor->MouseUp(TMouseButton::mbLeft, Shift, X(Col2), Y(Row2));
        Host.Alt = false;
    }

    std::string Pos() {
        return std::to_string(Editor->Row()) + "," + std::to_string(Editor->Col());
    }
};
