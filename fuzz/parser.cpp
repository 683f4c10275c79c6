// Random bytes under random rule settings: the parser stops at the end of
// its own copy (ASan guards the byte after the terminator), terminates, and
// its tokens tile the text in order with only blanks between them.
#include "editor/parser.h"
#include "editor/view_info.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 4) return 0;
    const std::uint8_t flags = Data[0], pick = Data[1];
    const int state = static_cast<int>(Data[2] % 17) - 2;
    const std::uint8_t split = Data[3];
    Data += 4;
    Size -= 4;
    std::string text(reinterpret_cast<const char*>(Data), Size);
    static const char* markers[] = {"", "//", "#", "'", "\"", "/*", "*/", "<", ">", "$", "0x", "{"};
    TEditorViewInfo view;
    view.SetMail(flags & 1);
    view.SetUrl(flags & 2);
    view.SetControlCode(flags & 4);
    view.SetCommenter(markers[pick % 12]);
    view.SetPerlCommenter(markers[(pick / 12) % 12 * ((flags >> 3) & 1)]);
    view.SetQuotation(markers[(split >> 4) % 12]);
    view.SetPerlQuotation(markers[split % 12]);
    view.SetHexPrefix(markers[(flags >> 4) % 12]);
    for (int i = 0; i < (flags >> 6) + (split & 1); ++i) {
        auto* b = view.Brackets().Add();
        b->SetLeftBracket(markers[(pick + 5 * i) % 12]);
        b->SetRightBracket(markers[(pick + 7 * i + 3) % 12]);
    }
    TEditorParser p(text, state, (flags & 0x20) ? &view : nullptr);
    std::size_t end = 0, steps = 0;
    while (p.Token() != TEditorTokenKind::toEOF) {
        std::size_t start = static_cast<std::size_t>(p.SourcePos());
        if (start < end || p.TokenLength() <= 0) std::abort();
        for (std::size_t i = end; i < start; ++i) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == 0 || c == 9 || c > 32) std::abort();  // only blanks are skipped
        }
        end = start + static_cast<std::size_t>(p.TokenLength());
        if (end > text.size() || ++steps > text.size() + 1) std::abort();
        p.NextToken();
    }
    if (static_cast<std::size_t>(p.SourcePos()) > text.size()) std::abort();
    return 0;
}
