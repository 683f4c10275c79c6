// Outside bytes reaching the editor control: a loaded text, clipboard text (plain and
// box), input-method results and the window-text setter carry arbitrary bytes (line
// breaks of any kind, NUL, lead bytes without trail bytes).  The input is a settings byte
// and a list of operations; after each the caret stands on a character boundary and the
// rows keep their invariants, and undoing everything gives back the loaded text.
#include "support/headless_editor.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct TInput {
    const std::uint8_t* Data;
    std::size_t Size;
    std::uint8_t Byte() {
        if (Size == 0) return 0;
        --Size;
        return *Data++;
    }
    std::string Bytes() {
        std::size_t N = Byte() % 48;
        N = N < Size ? N : Size;
        std::string S(reinterpret_cast<const char*>(Data), N);
        Data += N;
        Size -= N;
        return S;
    }
};

void Require(bool Condition) {
    if (!Condition) std::abort();
}

void CheckInvariants(TEditor& E) {
    TEditorScreenStrings& L = E.RowList();
    const int N = L.Count();
    for (int R = 0; R < N; ++R) {
        Require(L.Get(R).find_first_of("\r\n") == std::string::npos);
        Require(R == N - 1 || L.GetRowAttribute(R) != TEditorRowAttribute::raEof);
        Require(E.WordWrap() || L.GetRowAttribute(R) != TEditorRowAttribute::raWrapped);
    }
    Require(E.Row() >= 0 && E.Row() <= N);
    const std::string& M = E.RowMap(E.Row());
    if (E.Col() < static_cast<int>(M.size())) {
        Require(M[static_cast<std::size_t>(E.Col())] != '5');
        Require(E.Caret().InTab() || M[static_cast<std::size_t>(E.Col())] != '3');
    }
    if (E.Selected() && !E.BoxMode()) {
        std::string Text = E.Lines().Text();
        std::size_t Start = static_cast<std::size_t>(E.SelStart());
        std::size_t Length = static_cast<std::size_t>(E.SelLength());
        Require(Start + Length <= Text.size());
        Require(E.SelText() == Text.substr(Start, Length));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TInput In{Data, Size};
    const std::uint8_t Flags = In.Byte();
    THeadlessEditor D;
    D.Host.Recording = false;
    D->SetUndoListMax(100000);
    D->WrapOption().SetWrapByte(20);
    D->SetWordWrap(Flags & 1);
    D->Caret().SetFreeCaret(Flags & 2);
    D->Caret().SetInTab(Flags & 4);
    D->Caret().SetTabSpaceCount(Flags & 8 ? 4 : 8);
    D.Load(In.Bytes());
    const std::string Start = D.Text();
    while (In.Size > 0) {
        TEditor& E = D.E();
        std::uint8_t Op = In.Byte();
        std::uint8_t A = In.Byte(), B = In.Byte();
        switch (Op % 14) {
        case 0:
            E.ImeComposition(In.Bytes());
            break;
        case 1:
            D.Clipboard.SetForeignText(In.Bytes());
            E.PasteClipboard();
            break;
        case 2:
            D.Clipboard.SetText(In.Bytes(), {BoxClipboardFormat});
            E.PasteClipboard();
            break;
        case 3:
            E.SetSelText(In.Bytes());
            break;
        case 4:
            E.KeyPress(static_cast<char>(A));
            break;
        case 5: {
            int Key = 33 + A % 14; // the navigation keys, Escape is 27 and Delete 46 below
            if (A % 7 == 0) Key = vkDelete;
            E.KeyDown(Key, static_cast<TShiftState>(B % 8), B & 8);
            break;
        }
        case 6:
            E.SetRowCol(A % 40 - 2, B % 60 - 2);
            break;
        case 7:
            D.Drag(A % 40, B % 60 - 3, B % 40, A % 60,
                   (A & 0x80) ? TShiftState::ssAlt : TShiftState());
            break;
        case 8:
            E.ToggleBoxMode();
            break;
        case 9:
            E.CutClipboard();
            break;
        case 10:
            E.SetOverwrite(!E.Overwrite());
            break;
        case 11:
            (A & 1) ? E.IndentSelection() : E.UnTabIndentSelection();
            break;
        case 12:
            E.SetSelStart(A);
            E.SetSelLength(B % 30);
            break;
        default:
            (A & 1) ? E.Undo() : E.Redo();
            break;
        }
        CheckInvariants(E);
    }
    while (D->CanUndo())
        D->Undo();
    Require(D.Text() == Start);
    return 0;
}
