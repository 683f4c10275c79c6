// Outside bytes on the screen: a loaded text of any bytes (lead bytes without trail,
// tabs, NUL, very long rows) painted with word wrap on or off, brackets, reserved words,
// a selection (stream or box) and the view scrolled sideways.  Every text output must
// stay within the advance array (the recording canvas reads every advance it is given,
// so the address sanitizer sees an overrun); the sanitizers watch the rest.
#include "support/headless_editor.h"

#include "platform/headless/headless_canvas.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool Condition) {
    if (!Condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 4) return 0;
    const std::uint8_t Flags = Data[0], Sel = Data[1], Scroll = Data[2], Wrap = Data[3];
    std::string Text(reinterpret_cast<const char*>(Data + 4), Size - 4);
    // Long rows are what the advance array limit is about: repeat short inputs.
    if (Flags & 0x80)
        while (Text.size() < 1100 && !Text.empty())
            Text += Text;

    THeadlessEditor E;
    THeadlessCanvas Canvas;
    E.Host.Recording = false;
    if (Flags & 1) {
        E->WrapOption().SetWrapByte(20 + Wrap % 231);
        E->SetWordWrap(true);
    }
    if (Flags & 2) {
        TEditorBracketItem* B = E->View().Brackets().Add();
        B->SetLeftBracket("/*");
        B->SetRightBracket("*/");
        B->ItemColor().SetColor(0x00FF00);
    }
    if (Flags & 4) E->View().Colors().Ank().SetStyle(TFontStyle::fsItalic);
    E->Marks().EofMark().SetVisible(true);
    E->Marks().RetMark().SetVisible((Flags & 8) != 0);
    E->Marks().Underline().SetVisible((Flags & 16) != 0);
    E->View().SetUrl(true);
    E->View().SetMail(true);
    TWordList Words;
    Words.Add("if");
    E->SetReserveWordList(Words);
    E.Load(Text);

    if (Sel & 1) {
        if (Sel & 2) E->ToggleBoxMode();
        E->SetRowCol(Sel % 3, (Sel >> 2) % 40);
        E.Keys(vkDown, (Sel >> 4) & 3, TShiftState::ssShift);
        E.Keys(vkRight, (Sel >> 6) + 1, TShiftState::ssShift);
    }
    E->SetTopCol(Scroll % 2 ? Scroll * 4 : 0);

    E->Paint(Canvas, TRect{0, 0, E->Width(), E->Height()});
    for (const auto& D : Canvas.Draws) {
        if (D.Kind != THeadlessCanvas::dkText) continue;
        Require(D.Text.size() <= 1000);
        Require(D.EvenAdvances);
    }
    return 0;
}
