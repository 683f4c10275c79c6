// Cutting outside bytes into rows: the first bytes choose the wrap options, the rest is
// the text.  The rows of every line must give back the line, their count must be what
// CountWrapRows says, and editing the text into a row list must keep its bytes.
#include "editor/word_wrap.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "support/fake_row_list_view.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 3) return 0;
    auto* List = new TEditorScreenStrings;
    TFakeRowListView View(List);
    TEditorStrings Lines(View);
    View.Tabs = 2 + (Data[0] & 6);
    TEditorWrapOption& W = List->WrapOption();
    W.SetWrapByte(20 + Data[1] % 60);
    W.SetLeading(Data[2] & 1);
    W.SetFollowPunctuation(Data[2] & 2);
    W.SetWordBreak(Data[2] & 4);
    W.SetFollowRetMark(Data[2] & 8);
    List->SetWordWrap(true);
    std::string Text(reinterpret_cast<const char*>(Data + 3), Size - 3);

    // Line by line: the rows join to the line, and the count agrees.
    std::size_t Start = 0;
    while (Start <= Text.size()) {
        std::size_t End = Text.find_first_of("\r\n", Start);
        if (End == std::string::npos) End = Text.size();
        std::string Line = Text.substr(Start, End - Start);
        TEditorStringList Rows;
        List->WrapText(Line, Rows);
        std::string Joined;
        for (int I = 0; I < Rows.Count(); ++I)
            Joined += Rows.Get(I);
        if (Joined != Line || List->CountWrapRows(Line) != Rows.Count()) std::abort();
        Start = End + 1;
    }

    // The whole text inserted as one edit keeps every byte; line breaks become CR LF.
    std::string Expected;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        if (Text[I] == '\r' || Text[I] == '\n') {
            Expected += "\r\n";
            if (Text[I] == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
        } else {
            Expected += Text[I];
        }
    }
    List->ReplaceRows(0, 0, Text);
    if (!Text.empty() && Lines.Text() != Expected) std::abort();
    return 0;
}
