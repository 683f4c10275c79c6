#include "codec/text_load.h"

#include "codec/kanji_stream.h"
#include "codec/line_cutter.h"
#include "codec/nkf.h"
#include "codec/unicode_text.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "platform/file_system.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Reading -----------------------------------------------------------------------------

std::unique_ptr<TFileReader> OpenForLoad(TFileSystem& Files, const std::string& FileName) {
    std::unique_ptr<TFileReader> File = Files.OpenRead(FileName);
    if (!File) throw EFOpenError(FileName);
    return File;
}

// Reads up to Count bytes (short only at the end of the file).
std::size_t ReadFull(TFileReader& File, char* Buffer, std::size_t Count,
                     const std::string& FileName) {
    std::size_t Got = 0;
    while (Got < Count) {
        long long N = File.Read(Buffer + Got, Count - Got);
        if (N < 0) throw EReadError(FileName);
        if (N == 0) break;
        Got += static_cast<std::size_t>(N);
    }
    return Got;
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
    // Zero bytes and the 0x1A end mark are looked for in the converted text (in UTF-16
    // they are parts of characters).
    bool MarksAfter() const { return FUnicode != nullptr; }
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

// The text of a file as the editor will hold it: its Shift_JIS bytes in large blocks,
// each block ending at a line end except the last (the unfinished line at the end of a
// full block moves on to the next one), and the number of line ends, counted while each
// piece is still in the cache.
class TLoadedText {
public:
    static constexpr std::size_t BlockSize = 8u << 20;
    static constexpr std::size_t PieceSize = 1u << 20;

    // Room for at least N more bytes at the end of the current block.
    char* Reserve(std::size_t N) {
        if (FBlocks.empty() || FBlocks.back().Capacity() - FUsed.back() < N) NewBlock(N);
        return FBlocks.back().Bytes() + FUsed.back();
    }
    // The N bytes written at Reserve's pointer are part of the text now.
    void Commit(std::size_t N) {
        const unsigned char* P =
            reinterpret_cast<const unsigned char*>(FBlocks.back().Bytes() + FUsed.back());
        if (N == 0) return;
        FLineEnds += CountLineEnds(P, P + N);
        // A CR LF pair cut by the end of the previous piece is one line end.
        if (FLastCr && P[0] == '\n') --FLineEnds;
        FLastCr = P[N - 1] == '\r';
        FUsed.back() += N;
    }
    void Append(const char* Data, std::size_t N) {
        if (N == 0) return;
        std::memcpy(Reserve(N), Data, N);
        Commit(N);
    }

    // Shrinks the blocks to their bytes.
    void Finish() {
        for (std::size_t I = 0; I < FBlocks.size(); ++I)
            FBlocks[I].Resize(FUsed[I]);
    }

    // The number of lines: the line ends, and the text after the last one when there is
    // any.
    std::size_t Lines() const {
        bool Tail = !FUsed.empty() && FUsed.back() > 0 && !FLastCr &&
                    FBlocks.back().Bytes()[FUsed.back() - 1] != '\n';
        return FLineEnds + (Tail ? 1 : 0);
    }

    std::vector<TTextBlock>& Blocks() { return FBlocks; }
    const std::vector<std::size_t>& Used() const { return FUsed; }

private:
    void NewBlock(std::size_t N) {
        if (FBlocks.empty()) {
            FBlocks.emplace_back(std::max(BlockSize, N));
            FUsed.push_back(0);
            return;
        }
        TTextBlock& Last = FBlocks.back();
        std::size_t Used = FUsed.back();
        // The unfinished line after the last line end moves to the next block.
        std::size_t Cut = Used;
        while (Cut > 0 && Last.Bytes()[Cut - 1] != '\n' && Last.Bytes()[Cut - 1] != '\r')
            --Cut;
        if (Cut == 0) {
            // One line fills the whole block: the block grows.
            Last.Resize(std::max(2 * Last.Capacity(), Used + N));
            return;
        }
        std::size_t Tail = Used - Cut;
        TTextBlock Next(std::max(BlockSize, 2 * Tail + N));
        std::memcpy(Next.Bytes(), Last.Bytes() + Cut, Tail);
        FUsed.back() = Cut;
        Last.Resize(Cut);
        FBlocks.push_back(std::move(Next));
        FUsed.push_back(Tail);
    }

    std::vector<TTextBlock> FBlocks;
    std::vector<std::size_t> FUsed;
    std::size_t FLineEnds = 0;
    bool FLastCr = false;
};

long long ZerosToSpaces(char* P, std::size_t N) {
    long long Count = 0;
    char* End = P + N;
    while (P < End && (P = static_cast<char*>(std::memchr(P, 0, End - P))) != nullptr) {
        *P++ = ' ';
        ++Count;
    }
    return Count;
}

// Takes a piece of raw bytes as read: zero bytes become spaces, and a 0x1A ends the
// text.  Returns the bytes before the 0x1A (all of them when there is none).
std::size_t TakeRaw(char* P, std::size_t N, TTextLoadResult& Result) {
    const unsigned char* U = reinterpret_cast<const unsigned char*>(P);
    std::size_t Used = static_cast<std::size_t>(FindEndMark(U, U + N) - U);
    if (Used < N) Result.EndMark = true;
    Result.ZeroBytes += ZerosToSpaces(P, Used);
    return Used;
}

// Reads the whole file into Text, converted to Shift_JIS.  First holds the first
// TextFileBlockSize bytes (or fewer: the whole file), already read for detection.
void ReadText(TFileReader& File, const std::string& FirstBytes, TKanjiCode Code, TNkf* Nkf,
              const std::string& FileName, TLoadedText& Text, TTextLoadResult& Result) {
    TBlockConverter Converter(Code, Nkf);
    std::string Raw = FirstBytes;
    bool AtEnd = FirstBytes.size() < TextFileBlockSize;
    if (!Converter.Converts()) {
        // The bytes are read straight into the blocks.
        std::size_t Used = TakeRaw(&Raw[0], Raw.size(), Result);
        Text.Append(Raw.data(), Used);
        while (!AtEnd && !Result.EndMark) {
            char* P = Text.Reserve(TLoadedText::PieceSize);
            std::size_t Got = ReadFull(File, P, TLoadedText::PieceSize, FileName);
            AtEnd = Got < TLoadedText::PieceSize;
            Text.Commit(TakeRaw(P, Got, Result));
        }
        return;
    }
    const bool MarksAfter = Converter.MarksAfter();
    std::string Converted;
    // Takes the converted bytes of Unicode text as raw ones.
    auto TakeConverted = [&] {
        if (MarksAfter && !Converted.empty())
            Converted.resize(TakeRaw(&Converted[0], Converted.size(), Result));
    };
    for (;;) {
        std::size_t Used = MarksAfter ? Raw.size() : TakeRaw(&Raw[0], Raw.size(), Result);
        Converted.clear();
        Converter.Feed(Raw.data(), Used, Converted);
        TakeConverted();
        Text.Append(Converted.data(), Converted.size());
        if (AtEnd || Result.EndMark) break;
        Raw.resize(TLoadedText::PieceSize);
        std::size_t Got = ReadFull(File, &Raw[0], Raw.size(), FileName);
        Raw.resize(Got);
        AtEnd = Got < TLoadedText::PieceSize;
    }
    // Unicode text that ended at a 0x1A has nothing more to give.
    if (!(MarksAfter && Result.EndMark)) {
        Converted.clear();
        Converter.Finish(Converted);
        TakeConverted();
        Text.Append(Converted.data(), Converted.size());
    }
    Result.Unmappable = Converter.Lost();
}

// Points the rows, made empty beforehand, at their lines in the blocks, in file order.
void FillRows(TLoadedText& Text, TEditorScreenStrings& Rows) {
    std::vector<TTextBlock>& Blocks = Text.Blocks();
    int Row = 0;
    bool SkipLf = false;
    for (std::size_t B = 0; B < Blocks.size(); ++B) {
        std::size_t Used = Text.Used()[B];
        int Block = Rows.AdoptBlock(std::move(Blocks[B]));
        const unsigned char* Start =
            reinterpret_cast<const unsigned char*>(Rows.BlockBytes(Block));
        const unsigned char *P = Start, *End = Start + Used;
        if (SkipLf && P < End && *P == '\n') ++P;
        SkipLf = false;
        while (P < End) {
            const unsigned char* Q = FindBreak(P, End);
            bool Last = Q == End;
            Rows.SetRowBytes(Row++, Block, static_cast<std::size_t>(P - Start),
                             static_cast<std::size_t>(Q - P),
                             Last ? TEditorRowAttribute::raEof : TEditorRowAttribute::raCrlf);
            if (Last) break;
            if (*Q == '\r') {
                if (Q + 1 == End)
                    SkipLf = true;
                else if (Q[1] == '\n')
                    ++Q;
            }
            P = Q + 1;
        }
    }
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
    TLoadedText Text;
    {
        std::unique_ptr<TFileReader> File = OpenForLoad(Files, FileName);
        std::string First(TextFileBlockSize, '\0');
        First.resize(ReadFull(*File, &First[0], TextFileBlockSize, FileName));
        // The code is learnt from the bytes of the first block before its first zero byte.
        if (Detect) Result.Code = DetectTextCode(First.c_str(), std::strlen(First.c_str()));
        ReadText(*File, First, Detect ? Result.Code : TKanjiCode::kcAscii, Nkf, FileName, Text,
                 Result);
    }
    Text.Finish();
    std::size_t Lines = Text.Lines();
    if (Lines > static_cast<std::size_t>(std::numeric_limits<int>::max() - 1))
        throw EReadError(FileName);

    // The file has been read through: only now does the editor's text go.
    TLinesHost& Host = Editor.LinesHost();
    TEditorScreenStrings& Rows = Host.RowList();
    {
        TLinesUpdate Update(Editor.Lines());
        Editor.Lines().Clear();
        Rows.AppendEmptyRows(static_cast<int>(Lines));
        FillRows(Text, Rows);
        Result.Lines = static_cast<int>(Lines);
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
