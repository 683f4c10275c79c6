#include "codec/text_load.h"

#include "codec/kanji_stream.h"
#include "codec/line_cutter.h"
#include "codec/nkf.h"
#include "codec/unicode_text.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "platform/file_system.h"

#include <cstring>
#include <memory>

namespace {

struct TLineCounter {
    int Count = 0;
    void Line(const char*, std::size_t) { ++Count; }
    void Last(const char*, std::size_t) { ++Count; }
};

// Stores the lines into the rows made empty by the count, in file order.  A converter
// may give a different number of line ends than the raw bytes (a line end taken as the
// trail byte of a broken character), so rows are added or removed to match.
class TRowFiller {
public:
    explicit TRowFiller(TEditorScreenStrings& Rows) : FRows(Rows) {}
    void Line(const char* P, std::size_t N) { Store(P, N, TEditorRowAttribute::raCrlf); }
    void Last(const char* P, std::size_t N) { Store(P, N, TEditorRowAttribute::raEof); }
    // Removes the rows that no line reached.
    void Trim() {
        if (FIndex < FRows.Count()) FRows.DeleteRows(FIndex, FRows.Count() - FIndex);
    }
    int Stored() const { return FIndex; }

private:
    void Store(const char* P, std::size_t N, TEditorRowAttribute Attribute) {
        if (FIndex < FRows.Count()) {
            FRows.Put(FIndex, std::string(P, N));
            if (Attribute != TEditorRowAttribute::raCrlf) FRows.SetRowAttribute(FIndex, Attribute);
        } else {
            FRows.AddRow(std::string(P, N), Attribute);
        }
        ++FIndex;
    }
    TEditorScreenStrings& FRows;
    int FIndex = 0;
};

// Reading -----------------------------------------------------------------------------

std::unique_ptr<TFileReader> OpenForLoad(TFileSystem& Files, const std::string& FileName) {
    std::unique_ptr<TFileReader> File = Files.OpenRead(FileName);
    if (!File) throw EFOpenError(FileName);
    return File;
}

// Reads the next block (short only at the end of the file).
std::size_t ReadBlock(TFileReader& File, char* Buffer, const std::string& FileName) {
    std::size_t Got = 0;
    while (Got < TextFileBlockSize) {
        long long N = File.Read(Buffer + Got, TextFileBlockSize - Got);
        if (N < 0) throw EReadError(FileName);
        if (N == 0) break;
        Got += static_cast<std::size_t>(N);
    }
    return Got;
}

void Rewind(TFileReader& File, const std::string& FileName) {
    if (!File.Rewind()) throw EReadError(FileName);
}

long long CountZeros(const char* P, std::size_t N) {
    long long Count = 0;
    const char* End = P + N;
    while (P < End && (P = static_cast<const char*>(std::memchr(P, 0, End - P))) != nullptr) {
        ++Count;
        ++P;
    }
    return Count;
}

void ZerosToSpaces(char* P, std::size_t N) {
    char* End = P + N;
    while (P < End && (P = static_cast<char*>(std::memchr(P, 0, End - P))) != nullptr)
        *P++ = ' ';
}

// Pass 1: the number of lines, and the zero bytes before the end of the text.  The first
// block, already read, is in Buffer.  Unicode text is counted as the Shift_JIS it becomes.
int CountLines(TFileReader& File, char* Buffer, std::size_t First, TKanjiCode Code,
               const std::string& FileName, TTextLoadResult& Result) {
    TLineCutter Cutter;
    TLineCounter Counter;
    std::unique_ptr<TUnicodeToSjis> Unicode;
    if (IsUnicodeCode(Code)) Unicode = std::make_unique<TUnicodeToSjis>(Code);
    std::string Converted;
    std::size_t Got = First;
    for (;;) {
        const char* Text = Buffer;
        std::size_t Length = Got;
        if (Unicode) {
            Converted.clear();
            if (Got > 0)
                Unicode->Feed(Buffer, Got, Converted);
            else
                Unicode->Finish(Converted);
            Text = Converted.data();
            Length = Converted.size();
        } else if (Got == 0) {
            break;
        }
        std::size_t Used;
        bool More = Cutter.Feed(Text, Length, Counter, &Used);
        Result.ZeroBytes += CountZeros(Text, Used);
        if (!More || Got == 0) break;
        Got = ReadBlock(File, Buffer, FileName);
    }
    Cutter.Finish(Counter);
    Result.EndMark = Cutter.Ended();
    return Counter.Count;
}

// A block's conversion to Shift_JIS: none, the built-in converter, NKF32.DLL, or the
// Unicode converter.
class TBlockConverter {
public:
    TBlockConverter(TKanjiCode Code, TNkf* Nkf)
        : FConverts(Code == TKanjiCode::kcJis || Code == TKanjiCode::kcJisOld ||
                    Code == TKanjiCode::kcEuc || IsUnicodeCode(Code)),
          FBuiltIn(Code, TKanjiCode::kcSjis) {
        if (IsUnicodeCode(Code))
            FUnicode = std::make_unique<TUnicodeToSjis>(Code);
        else if (FConverts && NkfConverts(Nkf))
            FNkf = std::make_unique<TNkfStream>(*Nkf, Code, "s");
    }
    bool Converts() const { return FConverts; }
    // Zero bytes are found in the converted text (they are part of a UTF-16 character).
    bool ZerosAfter() const { return FUnicode != nullptr; }
    long long Lost() const { return FUnicode ? FUnicode->Lost() : 0; }

    void Feed(const char* Data, std::size_t Length, std::string& Out) {
        if (FUnicode)
            FUnicode->Feed(Data, Length, Out);
        else if (FNkf)
            FNkf->Feed(Data, Length, Out);
        else
            FBuiltIn.Feed(Data, Length, Out);
    }
    void Finish(std::string& Out) {
        if (FUnicode)
            FUnicode->Finish(Out);
        else if (FNkf)
            FNkf->Finish(Out);
        else
            FBuiltIn.Finish(Out);
    }

private:
    bool FConverts;
    TKanjiStreamConverter FBuiltIn;
    std::unique_ptr<TNkfStream> FNkf;
    std::unique_ptr<TUnicodeToSjis> FUnicode;
};

// Pass 2: the lines into the rows; returns the characters the conversion lost.
long long FillRows(TFileReader& File, char* Buffer, TKanjiCode Code, TNkf* Nkf,
                   const std::string& FileName, TRowFiller& Filler) {
    TLineCutter Cutter;
    TBlockConverter Converter(Code, Nkf);
    std::string Converted;
    for (;;) {
        std::size_t Got = ReadBlock(File, Buffer, FileName);
        if (Got == 0) break;
        if (!Converter.ZerosAfter()) ZerosToSpaces(Buffer, Got);
        if (!Converter.Converts()) {
            if (!Cutter.Feed(Buffer, Got, Filler)) break;
            continue;
        }
        Converted.clear();
        Converter.Feed(Buffer, Got, Converted);
        if (Converter.ZerosAfter()) ZerosToSpaces(&Converted[0], Converted.size());
        if (!Cutter.Feed(Converted.data(), Converted.size(), Filler)) break;
    }
    if (Converter.Converts() && !Cutter.Ended()) {
        Converted.clear();
        Converter.Finish(Converted);
        if (Converter.ZerosAfter()) ZerosToSpaces(&Converted[0], Converted.size());
        Cutter.Feed(Converted.data(), Converted.size(), Filler);
    }
    Cutter.Finish(Filler);
    return Converter.Lost();
}

// Ends the update of Lines however the load ends.
struct TLinesUpdate {
    explicit TLinesUpdate(TEditorStrings& Lines) : FLines(Lines) { FLines.BeginUpdate(); }
    ~TLinesUpdate() { FLines.EndUpdate(); }
    TEditorStrings& FLines;
};

TKanjiCode Load(TTextFileEditor& Editor, TFileSystem& Files, TNkf* Nkf, const std::string& FileName,
                bool Detect, TTextLoadResult* ResultOut) {
    TTextLoadResult Result;
    std::unique_ptr<TFileReader> File = OpenForLoad(Files, FileName);
    // One block and the zero byte that ends its data.
    std::unique_ptr<char[]> Buffer(new char[TextFileBlockSize + 1]);
    std::size_t First = ReadBlock(*File, Buffer.get(), FileName);
    Buffer[First] = '\0';
    if (Detect) Result.Code = DetectTextCode(Buffer.get(), std::strlen(Buffer.get()));
    int Count = CountLines(*File, Buffer.get(), First, Result.Code, FileName, Result);
    Rewind(*File, FileName);

    // The file is readable: only now does the editor's text go.
    TLinesHost& Host = Editor.LinesHost();
    TEditorScreenStrings& Rows = Host.RowList();
    {
        TLinesUpdate Update(Editor.Lines());
        Editor.Lines().Clear();
        // Count empty raCrlf rows, made in one step.
        if (Count > 0) Rows.SetText(std::string(static_cast<std::size_t>(Count), '\n'));
        TRowFiller Filler(Rows);
        try {
            Result.Unmappable = FillRows(*File, Buffer.get(),
                                         Detect ? Result.Code : TKanjiCode::kcAscii, Nkf, FileName,
                                         Filler);
        } catch (...) {
            // The old text is gone and the new one is incomplete: keep what was read,
            // marked modified, so that it is not taken for the file.
            Filler.Trim();
            Editor.SetModified(true);
            throw;
        }
        Filler.Trim();
        Result.Lines = Filler.Stored();
        File.reset();
        Buffer.reset();
        if (Rows.WordWrap()) Rows.WrapAll();
        if (!Detect || !Rows.WordWrap()) Rows.RecomputeRowStates();
        Host.SetTopRow(0);
        Host.SetTopCol(0);
    }
    if (ResultOut) *ResultOut = Result;
    return Result.Code;
}

} // namespace

TKanjiCode LoadFromFileDetect(TTextFileEditor& Editor, TFileSystem& Files, TNkf* Nkf,
                              const std::string& FileName, TTextLoadResult* Result) {
    return Load(Editor, Files, Nkf, FileName, true, Result);
}

void LoadFromFile(TTextFileEditor& Editor, TFileSystem& Files, const std::string& FileName,
                  TTextLoadResult* Result) {
    Load(Editor, Files, nullptr, FileName, false, Result);
}
