// Loading outside bytes: the rows of a file loaded in blocks (with detection and
// conversion, and plainly, with short reads) equal the line cutting of the whole file,
// and a file loaded and saved as Shift_JIS comes back with the same rows.
#include "app/document_files.h"
#include "codec/kanji_code.h"
#include "codec/kanji_stream.h"
#include "codec/text_editor_headless.h"
#include "codec/unicode_text.h"
#include "platform/headless/memory_file_system.h"
#include "platform/message_box.h"
#include "support/line_cut_reference.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

class TSilentMessageBox : public TMessageBox {
public:
    TMessageResult Show(const std::string&, const std::string&, TMessageButtons,
                        TMessageIcon) override {
        return TMessageResult::mrOk;
    }
};

void Check(THeadlessTextEditor& Editor, const TReferenceCut& Expected) {
    TEditorScreenStrings& Rows = Editor.Rows();
    if (static_cast<std::size_t>(Rows.Count()) != Expected.Rows.size()) std::abort();
    for (int R = 0; R < Rows.Count(); ++R) {
        if (Rows.Get(R) != Expected.Rows[static_cast<std::size_t>(R)]) std::abort();
        bool Last = R == Rows.Count() - 1;
        TEditorRowAttribute Want =
            Last && Expected.LastEof ? TEditorRowAttribute::raEof : TEditorRowAttribute::raCrlf;
        if (Rows.GetRowAttribute(R) != Want) std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 1) return 0;
    // The first byte picks the read size, so that reads come short in many ways.
    std::size_t Chunk = Data[0] % 4 == 0 ? 0 : 1 + Data[0] * 37;
    // Inputs are repeated to reach past a block or two.
    std::string Bytes(reinterpret_cast<const char*>(Data + 1), Size - 1);
    while (Bytes.size() && Bytes.size() < 2 * TextFileBlockSize + 100 && (Data[0] & 0x80))
        Bytes += Bytes;
    std::string Spaced = Bytes;
    for (char& C : Spaced)
        if (C == '\0') C = ' ';

    TMemoryFileSystem Files;
    Files.ReadChunk = Chunk;
    Files.SetFile("f", Bytes);
    TSilentMessageBox Messages;

    THeadlessTextEditor Plain;
    LoadFromFile(Plain, Files, "f");
    Check(Plain, ReferenceCut(Spaced));

    THeadlessTextEditor Editor;
    TKanjiCode Code = LoadFromFileDetect(Editor, Files, nullptr, "f");
    std::string First = Bytes.substr(0, TextFileBlockSize);
    if (Code != DetectTextCode(First.c_str(), std::strlen(First.c_str()))) std::abort();
    std::string Converted;
    if (IsUnicodeCode(Code)) {
        // Zero bytes are parts of UTF-16 characters: they become spaces after conversion.
        TUnicodeToSjis Converter(Code);
        Converter.Feed(Bytes.data(), Bytes.size(), Converted);
        Converter.Finish(Converted);
        for (char& C : Converted)
            if (C == '\0') C = ' ';
    } else if (Code == TKanjiCode::kcJis || Code == TKanjiCode::kcJisOld || Code == TKanjiCode::kcEuc) {
        // The loader ends the text at the file's first 0x1A byte, before conversion.
        const std::string Raw = Spaced.substr(0, Spaced.find('\x1a'));
        TKanjiStreamConverter Converter(Code, TKanjiCode::kcSjis);
        Converter.Feed(Raw.data(), Raw.size(), Converted);
        Converter.Finish(Converted);
    } else {
        Converted = Spaced;
    }
    Check(Editor, ReferenceCut(Converted));

    // Saved as Shift_JIS and loaded again: the same rows.
    TTextFiles Doc(Files, Messages);
    Doc.SetSaveCvt(1);
    if (!Doc.SaveFile(Plain, "g")) std::abort();
    THeadlessTextEditor Again;
    LoadFromFile(Again, Files, "g");
    Check(Again, ReferenceCut(Spaced));
    return 0;
}
