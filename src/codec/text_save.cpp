#include "codec/text_save.h"

#include "codec/kanji_stream.h"
#include "codec/nkf.h"
#include "codec/unicode_text.h"
#include "editor/row_list.h"
#include "platform/file_system.h"

#include <algorithm>
#include <memory>

namespace {

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
            TRowText S = FRows.Get(FRow);
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

// Writes the text as Unicode in Target, returns the bytes that had no character.
long long WriteUnicode(TRowTextReader& Text, TKanjiCode Target, TSafeFileWriter* Out) {
    TSjisToUnicode Converter(Target);
    std::string Piece, Converted;
    while (Text.Next(Piece)) {
        Converted.clear();
        Converter.Feed(Piece.data(), Piece.size(), Converted);
        if (Out) Out->Write(Converted);
    }
    Converted.clear();
    Converter.Finish(Converted);
    if (Out) Out->Write(Converted);
    return Converter.Lost();
}

} // namespace

TSaveCode ChooseSaveCode(int SaveCvt, TKanjiCode Current) {
    TSaveCode Code;
    switch (SaveCvt) {
    case 0:
        Code.After = Current;
        if (Current == TKanjiCode::kcJis || Current == TKanjiCode::kcJisOld)
            Code.Written = TKanjiCode::kcJis;
        else if (Current == TKanjiCode::kcEuc || IsUnicodeCode(Current))
            Code.Written = Current;
        break;
    case 2:
        Code.Written = Code.After = TKanjiCode::kcJis;
        break;
    case 3:
        Code.Written = Code.After = TKanjiCode::kcEuc;
        break;
    case 4:
        Code.Written = Code.After = TKanjiCode::kcUtf8;
        break;
    case 5:
        Code.Written = Code.After = TKanjiCode::kcUtf8Bom;
        break;
    default:
        break;
    }
    return Code;
}

std::size_t SavedTextLength(const TEditorScreenStrings& Rows) {
    return TRowTextReader(Rows).Length();
}

void SaveRowsToFile(const TEditorScreenStrings& Rows, TFileSystem& Files, TNkf* Nkf,
                    TKanjiCode Code, const std::string& FileName) {
    TRowTextReader Text(Rows);
    TSafeFileWriter Out(Files, FileName);
    if (Code == TKanjiCode::kcSjis) {
        std::string Piece;
        while (Text.Next(Piece))
            Out.Write(Piece);
    } else if (IsUnicodeCode(Code)) {
        WriteUnicode(Text, Code, &Out);
    } else if (Nkf) {
        WriteThroughNkf(*Nkf, Text, Code, Out);
    } else {
        WriteConverted(Text, Code, Out);
    }
    Out.Commit();
}

long long UnicodeSaveLosses(const TEditorScreenStrings& Rows) {
    TRowTextReader Text(Rows);
    return WriteUnicode(Text, TKanjiCode::kcUtf8, nullptr);
}

void WriteTextFile(TFileSystem& Files, const std::string& Text, const std::string& FileName) {
    TSafeFileWriter Out(Files, FileName);
    Out.Write(Text);
    Out.Commit();
}
