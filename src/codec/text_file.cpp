#include "codec/text_file.h"

#include "codec/kanji_stream.h"
#include "codec/nkf.h"
#include "editor/editor_strings.h"
#include "editor/row_list.h"
#include "editor/row_list_view.h"
#include "platform/file_system.h"
#include "platform/message_box.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>

#if defined(__SSE2__) && defined(__GNUC__)
#include <emmintrin.h>
#endif
#include <cstdio>

namespace {

const char* const AppTitle = "Zefnote";

// Line cutting ---------------------------------------------------------------------------

struct TBreakTable {
    bool Is[256] = {};
    TBreakTable() { Is['\r'] = Is['\n'] = Is[0x1A] = true; }
};
const TBreakTable Breaks;

// The first CR, LF or 0x1A in [P, End), or End: sixteen bytes at a time where the
// processor has SSE2, else eight at a time (a word with no byte below 0x1B holds none of
// the three).
const unsigned char* FindBreak(const unsigned char* P, const unsigned char* End) {
#if defined(__SSE2__) && defined(__GNUC__)
    const __m128i Cr = _mm_set1_epi8('\r'), Lf = _mm_set1_epi8('\n'), Eof = _mm_set1_epi8(0x1A);
    while (End - P >= 16) {
        __m128i V = _mm_loadu_si128(reinterpret_cast<const __m128i*>(P));
        __m128i Hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(V, Cr), _mm_cmpeq_epi8(V, Lf)),
                                   _mm_cmpeq_epi8(V, Eof));
        int Mask = _mm_movemask_epi8(Hit);
        if (Mask) return P + __builtin_ctz(static_cast<unsigned>(Mask));
        P += 16;
    }
#else
    const std::uint64_t Ones = 0x0101010101010101ULL, Highs = 0x8080808080808080ULL;
    while (End - P >= 8) {
        std::uint64_t V;
        std::memcpy(&V, P, 8);
        if (((V - Ones * 0x1B) & ~V & Highs) != 0)
            for (int I = 0; I < 8; ++I)
                if (Breaks.Is[P[I]]) return P + I;
        P += 8;
    }
#endif
    while (P < End && !Breaks.Is[*P])
        ++P;
    return P;
}

// Cuts a byte stream, fed in pieces of any size, into lines.  CR LF, a lone CR and a lone
// LF each end a line (LF CR is two line ends); a CR LF pair cut by the end of a piece is
// still one line end.  0x1A ends the text; a piece without a line end is carried into
// the next.  The sink gets Line(P, N) for every line that ended and, from Finish,
// Last(P, N) for the text after the last line end, when there is any.
class TLineCutter {
public:
    // False once 0x1A ended the text; Used then receives the bytes before the 0x1A.
    template <class TSink>
    bool Feed(const char* Data, std::size_t Length, TSink& Sink, std::size_t* Used = nullptr) {
        const unsigned char* Start = reinterpret_cast<const unsigned char*>(Data);
        const unsigned char *P = Start, *End = Start + Length;
        if (Used) *Used = Length;
        if (FEnded) return false;
        if (FSkipLf && P < End) {
            FSkipLf = false;
            if (*P == '\n') ++P;
        }
        while (P < End) {
            const unsigned char* Q = FindBreak(P, End);
            if (Q == End) {
                FCarry.append(reinterpret_cast<const char*>(P), End - P);
                break;
            }
            if (*Q == 0x1A) {
                FCarry.append(reinterpret_cast<const char*>(P), Q - P);
                FEnded = true;
                if (Used) *Used = static_cast<std::size_t>(Q - Start);
                return false;
            }
            if (FCarry.empty()) {
                Sink.Line(reinterpret_cast<const char*>(P), static_cast<std::size_t>(Q - P));
            } else {
                FCarry.append(reinterpret_cast<const char*>(P), Q - P);
                Sink.Line(FCarry.data(), FCarry.size());
                FCarry.clear();
            }
            if (*Q == '\r') {
                if (Q + 1 == End)
                    FSkipLf = true;
                else if (Q[1] == '\n')
                    ++Q;
            }
            P = Q + 1;
        }
        return true;
    }

    template <class TSink> void Finish(TSink& Sink) {
        if (!FCarry.empty()) Sink.Last(FCarry.data(), FCarry.size());
        FCarry.clear();
    }

    bool Ended() const { return FEnded; }

private:
    std::string FCarry;
    bool FSkipLf = false;
    bool FEnded = false;
};

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
// block, already read, is in Buffer.
int CountLines(TFileReader& File, char* Buffer, std::size_t First, const std::string& FileName,
               TTextLoadResult& Result) {
    TLineCutter Cutter;
    TLineCounter Counter;
    std::size_t Got = First;
    while (Got > 0) {
        std::size_t Used;
        bool More = Cutter.Feed(Buffer, Got, Counter, &Used);
        Result.ZeroBytes += CountZeros(Buffer, Used);
        if (!More) break;
        Got = ReadBlock(File, Buffer, FileName);
    }
    Cutter.Finish(Counter);
    Result.EndMark = Cutter.Ended();
    return Counter.Count;
}

// True when NKF32.DLL is to convert; a loaded library without NkfConvert has its stub
// speak, and the built-in converters take over.
bool ChooseNkf(TNkf* Nkf) {
    if (!Nkf || !Nkf->NkfLoaded()) return false;
    if (Nkf->CanConvert()) return true;
    Nkf->NkfConvert(nullptr, nullptr);
    return false;
}

// A block's conversion to Shift_JIS: none, the built-in converter, or NKF32.DLL.
class TBlockConverter {
public:
    TBlockConverter(TKanjiCode Code, TNkf* Nkf)
        : FConverts(Code == TKanjiCode::kcJis || Code == TKanjiCode::kcJisOld ||
                    Code == TKanjiCode::kcEuc),
          FBuiltIn(Code, TKanjiCode::kcSjis) {
        if (FConverts && ChooseNkf(Nkf)) FNkf = std::make_unique<TNkfStream>(*Nkf, Code, "s");
    }
    bool Converts() const { return FConverts; }

    void Feed(const char* Data, std::size_t Length, std::string& Out) {
        if (FNkf)
            FNkf->Feed(Data, Length, Out);
        else
            FBuiltIn.Feed(Data, Length, Out);
    }
    void Finish(std::string& Out) {
        if (FNkf)
            FNkf->Finish(Out);
        else
            FBuiltIn.Finish(Out);
    }

private:
    bool FConverts;
    TKanjiStreamConverter FBuiltIn;
    std::unique_ptr<TNkfStream> FNkf;
};

// Pass 2: the lines into the rows.
void FillRows(TFileReader& File, char* Buffer, TKanjiCode Code, TNkf* Nkf,
              const std::string& FileName, TRowFiller& Filler) {
    TLineCutter Cutter;
    TBlockConverter Converter(Code, Nkf);
    std::string Converted;
    for (;;) {
        std::size_t Got = ReadBlock(File, Buffer, FileName);
        if (Got == 0) break;
        ZerosToSpaces(Buffer, Got);
        if (!Converter.Converts()) {
            if (!Cutter.Feed(Buffer, Got, Filler)) break;
            continue;
        }
        Converted.clear();
        Converter.Feed(Buffer, Got, Converted);
        if (!Cutter.Feed(Converted.data(), Converted.size(), Filler)) break;
    }
    if (Converter.Converts() && !Cutter.Ended()) {
        Converted.clear();
        Converter.Finish(Converted);
        Cutter.Feed(Converted.data(), Converted.size(), Filler);
    }
    Cutter.Finish(Filler);
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
    if (Detect) Result.Code = DetectKanjiCode(Buffer.get(), std::strlen(Buffer.get()));
    int Count = CountLines(*File, Buffer.get(), First, FileName, Result);
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
            FillRows(*File, Buffer.get(), Detect ? Result.Code : TKanjiCode::kcAscii, Nkf, FileName,
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

// Saving -------------------------------------------------------------------------------

// The editor's text in pieces: every row, CR LF after a row that ends its line.  A
// piece ends at a line end once it holds PieceSize bytes (a converter that starts each
// piece afresh, NKF32.DLL, then writes what it would write for the whole text), and in
// any case at PieceLimit bytes.
class TRowTextReader {
public:
    static constexpr std::size_t PieceSize = 1 << 20, PieceLimit = 4 * PieceSize;

    explicit TRowTextReader(const TEditorScreenStrings& Rows) : FRows(Rows) {}

    // The next piece; false at the end of the text.
    bool Next(std::string& Piece) {
        Piece.clear();
        int N = FRows.Count();
        while (FRow < N && Piece.size() < PieceLimit) {
            const std::string& S = FRows.Get(FRow);
            std::size_t Take = std::min(S.size() - FOffset, PieceLimit - Piece.size());
            Piece.append(S, FOffset, Take);
            FOffset += Take;
            if (FOffset < S.size()) break;
            bool LineEnd = FRows.GetRowAttribute(FRow) == TEditorRowAttribute::raCrlf;
            if (LineEnd) Piece += "\r\n";
            ++FRow;
            FOffset = 0;
            if (LineEnd && Piece.size() >= PieceSize) break;
        }
        return !Piece.empty();
    }

    void Restart() {
        FRow = 0;
        FOffset = 0;
    }

    std::size_t Length() const {
        std::size_t Total = 0;
        for (int R = 0, N = FRows.Count(); R < N; ++R)
            Total += FRows.Get(R).size() +
                     (FRows.GetRowAttribute(R) == TEditorRowAttribute::raCrlf ? 2 : 0);
        return Total;
    }

private:
    const TEditorScreenStrings& FRows;
    int FRow = 0;
    std::size_t FOffset = 0;
};

// A new file beside the target that replaces it once every byte is on the disk; any
// failure removes the new file and leaves the target as it was.
class TSafeFileWriter {
public:
    TSafeFileWriter(TFileSystem& Files, const std::string& FileName)
        : FFiles(Files), FName(FileName) {
        FWriter = FFiles.CreateTemp(FileName, FTemp);
        if (!FWriter) throw EFCreateError(FileName);
    }
    ~TSafeFileWriter() {
        if (FWriter || !FTemp.empty()) {
            FWriter.reset();
            FFiles.Delete(FTemp);
        }
    }
    void Write(const char* Data, std::size_t Length) {
        if (Length && !FWriter->Write(Data, Length)) throw EFCreateError(FName);
    }
    void Write(const std::string& S) { Write(S.data(), S.size()); }
    void Commit() {
        bool Closed = FWriter->Close();
        FWriter.reset();
        if (!Closed || !FFiles.Replace(FTemp, FName)) throw EFCreateError(FName);
        FTemp.clear();
    }

private:
    TFileSystem& FFiles;
    std::string FName, FTemp;
    std::unique_ptr<TFileWriter> FWriter;
};

// Writes the text through NKF32.DLL.
void WriteThroughNkf(TNkf& Nkf, TRowTextReader& Text, TKanjiCode Target, TSafeFileWriter& Out) {
    TNkfStream Stream(Nkf, TKanjiCode::kcSjis, Target == TKanjiCode::kcJis ? "j" : "e");
    std::string Piece, Converted;
    while (Text.Next(Piece)) {
        Converted.clear();
        Stream.Feed(Piece.data(), Piece.size(), Converted);
        Out.Write(Converted);
    }
    Converted.clear();
    Stream.Finish(Converted);
    Out.Write(Converted);
}

// Writes the text as ConvertKanjiCode converts it: the code of the text is detected
// first, and text that is binary or already in Target is written unchanged.  Text that
// could be EUC-JP or Shift_JIS is the editor's own Shift_JIS: written unchanged it
// would be Shift_JIS bytes in a file saved as EUC-JP or JIS.
void WriteConverted(TRowTextReader& Text, TKanjiCode Target, TSafeFileWriter& Out) {
    TKanjiDetector Detector;
    std::string Piece;
    while (!Detector.Decided() && Text.Next(Piece))
        Detector.Feed(Piece.data(), Piece.size());
    TKanjiCode Source = Detector.Finish();
    if (Source == TKanjiCode::kcEucOrSjis) Source = TKanjiCode::kcSjis;
    TKanjiStreamConverter Converter(Source, Target);
    Text.Restart();
    std::string Converted;
    while (Text.Next(Piece)) {
        if (!Converter.Converts()) {
            Out.Write(Piece);
            continue;
        }
        Converted.clear();
        Converter.Feed(Piece.data(), Piece.size(), Converted);
        Out.Write(Converted);
    }
    Converted.clear();
    Converter.Finish(Converted);
    Out.Write(Converted);
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

std::string KanjiCodePanelText(TKanjiCode Code) {
    switch (Code) {
    case TKanjiCode::kcJis:
    case TKanjiCode::kcJisOld:
        return "JIS";
    case TKanjiCode::kcEuc:
        return "EUC";
    default:
        return std::string();
    }
}

// TTextFiles ---------------------------------------------------------------------------

void TTextFiles::ShowKanjiCode() {
    if (OnShowKanjiCode) OnShowKanjiCode(KanjiCodePanelText(FCurrentKanjiCode));
}

TTextLoadResult TTextFiles::LoadFile(TTextFileEditor& Editor, const std::string& FileName) {
    TTextLoadResult Result;
    TKanjiCode Code;
    if (FLoadAutoCvt) {
        Code = LoadFromFileDetect(Editor, FFiles, FNkf, FileName, &Result);
        if (Editor.LinesHost().RowList().Count() == 0) Code = TKanjiCode::kcSjis;
    } else {
        LoadFromFile(Editor, FFiles, FileName, &Result);
        Code = TKanjiCode::kcAscii;
    }
    FCurrentKanjiCode = Code;
    ShowKanjiCode();
    Editor.SetModified(false);
    if (Result.ZeroBytes > 0)
        FMessages.Show("ファイル " + FileName + " にあった NUL 文字 " +
                           std::to_string(Result.ZeroBytes) + " 個は空白にして読み込みました。",
                       AppTitle, TMessageButtons::mbOk, TMessageIcon::miInformation);
    return Result;
}

void TTextFiles::SaveInCode(int Entry, const std::function<void()>& SaveAs) {
    struct TRestore {
        TTextFiles& Files;
        int SaveCvt;
        ~TRestore() { Files.FSaveCvt = SaveCvt; }
    } Restore{*this, FSaveCvt};
    SetSaveCvt(Entry + 1);
    SaveAs();
}

bool TTextFiles::CheckEucSaveSize(std::size_t Length) {
    if (Length <= EucSaveLimit) return true;
    FMessages.Show("EUC の保存は上限 100KB です。", AppTitle, TMessageButtons::mbOk,
                   TMessageIcon::miInformation);
    return false;
}

void TTextFiles::WriteTextFile(const std::string& Text, const std::string& FileName) {
    TSafeFileWriter Out(FFiles, FileName);
    Out.Write(Text);
    Out.Commit();
}

bool TTextFiles::SaveFile(TTextFileEditor& Editor, const std::string& FileName) {
    auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(SaveWaitMs);
    TRowTextReader Text(Editor.LinesHost().RowList());

    // The code written, and CurrentKanjiCode after the save.
    TKanjiCode Target = TKanjiCode::kcSjis, After = FCurrentKanjiCode;
    switch (FSaveCvt) {
    case 0:
        if (FCurrentKanjiCode == TKanjiCode::kcJis || FCurrentKanjiCode == TKanjiCode::kcJisOld)
            Target = TKanjiCode::kcJis;
        else if (FCurrentKanjiCode == TKanjiCode::kcEuc)
            Target = TKanjiCode::kcEuc;
        break;
    case 2:
        Target = After = TKanjiCode::kcJis;
        break;
    case 3:
        Target = After = TKanjiCode::kcEuc;
        break;
    default:
        After = TKanjiCode::kcSjis;
        break;
    }

    bool Nkf = Target != TKanjiCode::kcSjis && ChooseNkf(FNkf);
    if (Target == TKanjiCode::kcEuc && !Nkf && !CheckEucSaveSize(Text.Length())) return false;

    TSafeFileWriter Out(FFiles, FileName);
    if (Target == TKanjiCode::kcSjis) {
        std::string Piece;
        while (Text.Next(Piece))
            Out.Write(Piece);
    } else if (Nkf) {
        WriteThroughNkf(*FNkf, Text, Target, Out);
    } else {
        WriteConverted(Text, Target, Out);
    }
    Out.Commit();
    FCurrentKanjiCode = After;

    while (!FFiles.Exists(FileName) && std::chrono::steady_clock::now() < Deadline) {
        if (ProcessMessages) ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ShowKanjiCode();
    Editor.SetModified(false);
    return true;
}
