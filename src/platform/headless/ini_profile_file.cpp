#include "platform/headless/ini_profile_file.h"

#include "base/shift_jis.h"

#include <vector>

namespace {

// The blanks stripped around names and values: the C locale's white space and the
// end-of-file mark 0x1A.
bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n' || C == '\v' || C == '\f' || C == '\x1A';
}

std::string Trim(const std::string& S, std::size_t Begin = 0, std::size_t End = std::string::npos) {
    if (End > S.size()) End = S.size();
    while (Begin < End && IsBlank(S[Begin]))
        ++Begin;
    while (End > Begin && IsBlank(S[End - 1]))
        --End;
    return S.substr(Begin, End - Begin);
}

char FoldAscii(char C) {
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

// The last "]" of T at or after From that is a character of its own (the second byte of a
// double-byte character may be 0x5D); npos when there is none.
std::size_t LastCloseBracket(const std::string& T, std::size_t From) {
    std::size_t Found = std::string::npos;
    for (std::size_t I = From; I < T.size(); ++I) {
        if (T[I] == ']')
            Found = I;
        else if (IsSjisLeadByte(static_cast<unsigned char>(T[I])))
            ++I;
    }
    return Found;
}

// One line of the file with the line end that followed it ("" for a last line without).
struct TLine {
    std::string Text;
    std::string End;
};

} // namespace

// The file as lines.  A section runs from its header to the next header line.
class TIniProfileFile::TText {
public:
    void Parse(const std::string& Bytes) {
        FLines.clear();
        std::size_t P = 0;
        while (P < Bytes.size()) {
            std::size_t E = Bytes.find_first_of("\r\n", P);
            if (E == std::string::npos) {
                FLines.push_back({Bytes.substr(P), ""});
                break;
            }
            std::size_t Next =
                E + (Bytes[E] == '\r' && E + 1 < Bytes.size() && Bytes[E + 1] == '\n' ? 2 : 1);
            FLines.push_back({Bytes.substr(P, E - P), Bytes.substr(E, Next - E)});
            P = Next;
        }
    }

    std::string Bytes() const {
        std::string Out;
        for (const TLine& L : FLines)
            Out += L.Text + L.End;
        return Out;
    }

    static constexpr int NotFound = -2;

    // The header line of the first section named Name, or NotFound.  An empty name stands
    // for the lines ahead of the first header, whose "header" is line -1.
    int FindSection(const std::string& Name) const {
        std::string Wanted = Trim(Name);
        if (Wanted.empty()) return -1;
        for (int I = 0; I < Count(); ++I) {
            std::string Header;
            if (IsHeader(I, Header) && TIniProfileFile::SameName(Header, Wanted)) return I;
        }
        return NotFound;
    }

    // The line after the last line of the section whose header is at Header.
    int SectionEnd(int Header) const {
        std::string Name;
        int I = Header + 1;
        while (I < Count() && !IsHeader(I, Name))
            ++I;
        return I;
    }

    // The first key line named Key in the section whose header is at Header; NotFound if
    // none.
    int FindKey(int Header, const std::string& Key) const {
        std::string Wanted = Trim(Key);
        int End = SectionEnd(Header);
        for (int I = Header + 1; I < End; ++I) {
            std::string Name;
            if (IsKeyLine(I, Name) && TIniProfileFile::SameName(Name, Wanted)) return I;
        }
        return NotFound;
    }

    // The text after the "=" of a key line; false when the line has none.
    bool ValueOf(int Line, std::string& Value) const {
        const std::string& T = Text(Line);
        std::size_t Eq = T.find('=');
        if (Eq == std::string::npos) return false;
        Value = Trim(T, Eq + 1);
        return true;
    }

    // Rewrites a key line as its name (spelled as in the file), "=" and Value.
    void SetValue(int Line, const std::string& Value) {
        std::string Name;
        IsKeyLine(Line, Name);
        FLines[static_cast<std::size_t>(Line)].Text = Name + "=" + Value;
    }

    // Adds a key line to the section at Header, after its last non-blank line.
    void AddKey(int Header, const std::string& Key, const std::string& Value) {
        int At = SectionEnd(Header);
        while (At > Header + 1 && Trim(Text(At - 1)).empty())
            --At;
        Insert(At, Trim(Key) + "=" + Value);
    }

    // Adds a section with one key at the end of the file.
    void AddSection(const std::string& Section, const std::string& Key, const std::string& Value) {
        Insert(Count(), "[" + Trim(Section) + "]");
        Insert(Count(), Trim(Key) + "=" + Value);
    }

    void Erase(int First, int End) { FLines.erase(FLines.begin() + First, FLines.begin() + End); }

private:
    int Count() const { return static_cast<int>(FLines.size()); }
    const std::string& Text(int Line) const { return FLines[static_cast<std::size_t>(Line)].Text; }

    bool IsHeader(int Line, std::string& Name) const {
        const std::string& T = Text(Line);
        std::size_t B = 0;
        while (B < T.size() && IsBlank(T[B]))
            ++B;
        if (B == T.size() || T[B] != '[') return false;
        std::size_t Close = LastCloseBracket(T, B + 1);
        if (Close == std::string::npos) return false;
        Name = Trim(T, B + 1, Close);
        return true;
    }

    bool IsKeyLine(int Line, std::string& Name) const {
        const std::string& T = Text(Line);
        std::string Header;
        if (IsHeader(Line, Header)) return false;
        Name = Trim(T, 0, T.find('='));
        return !Trim(T).empty();
    }

    // Inserts a line ending in CR LF; a last line without a line end gets one first.
    void Insert(int At, const std::string& Text) {
        if (At > 0 && FLines[static_cast<std::size_t>(At - 1)].End.empty())
            FLines[static_cast<std::size_t>(At - 1)].End = "\r\n";
        FLines.insert(FLines.begin() + At, TLine{Text, "\r\n"});
    }

    std::vector<TLine> FLines;
};

bool TIniProfileFile::SameName(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    for (std::size_t I = 0; I < A.size(); ++I) {
        if (IsSjisLeadByte(static_cast<unsigned char>(A[I])) && I + 1 < A.size()) {
            if (A[I] != B[I] || A[I + 1] != B[I + 1]) return false;
            ++I;
        } else if (FoldAscii(A[I]) != FoldAscii(B[I])) {
            return false;
        }
    }
    return true;
}

std::string TIniProfileFile::UnquoteValue(const std::string& Text) {
    std::string Value = Trim(Text);
    if (Value.size() >= 2 && (Value[0] == '"' || Value[0] == '\'') && Value.back() == Value[0])
        return Value.substr(1, Value.size() - 2);
    return Value;
}

bool TIniProfileFile::LoadSection(TText& Ini, const std::string& Section, int& Header) {
    std::string Bytes;
    std::unique_ptr<TFileReader> Reader = FFiles.OpenRead(FFileName);
    if (!Reader && FFiles.Exists(FFileName)) return false;
    char Buffer[4096];
    long long Got = 0;
    while (Reader && (Got = Reader->Read(Buffer, sizeof Buffer)) > 0)
        Bytes.append(Buffer, static_cast<std::size_t>(Got));
    if (Got < 0) return false;
    Ini.Parse(Bytes);
    Header = Ini.FindSection(Section);
    return true;
}

bool TIniProfileFile::Store(const TText& Ini) {
    std::string Bytes = Ini.Bytes();
    std::string TempName;
    std::unique_ptr<TFileWriter> Writer = FFiles.CreateTemp(FFileName, TempName);
    if (!Writer) return false;
    bool Written = Writer->Write(Bytes.data(), Bytes.size());
    Written = Writer->Close() && Written;
    Writer.reset();
    if (Written && FFiles.Replace(TempName, FFileName)) return true;
    FFiles.Delete(TempName);
    return false;
}

std::string TIniProfileFile::ReadString(const std::string& Section, const std::string& Key,
                                        const std::string& Default) {
    // The default comes back without its trailing spaces (its first character stays).
    std::size_t DefaultEnd = Default.size();
    while (DefaultEnd > 1 && Default[DefaultEnd - 1] == ' ')
        --DefaultEnd;
    std::string Value = Default.substr(0, DefaultEnd);
    TText Ini;
    int Header;
    if (!LoadSection(Ini, Section, Header) || Header == TText::NotFound) return Value;
    int Line = Ini.FindKey(Header, Key);
    if (Line == TText::NotFound || !Ini.ValueOf(Line, Value)) return Value;
    return UnquoteValue(Value);
}

bool TIniProfileFile::WriteString(const std::string& Section, const std::string& Key,
                                  const std::string& Value) {
    // Blanks ahead of the value are not written (as the platform's function does); those
    // after it are, though a read strips them.
    std::size_t Start = 0;
    while (Start < Value.size() && IsBlank(Value[Start]))
        ++Start;
    std::string Written = Value.substr(Start);

    TText Ini;
    int Header;
    if (!LoadSection(Ini, Section, Header)) return false;
    if (Header == TText::NotFound) {
        Ini.AddSection(Section, Key, Written);
    } else {
        int Line = Ini.FindKey(Header, Key);
        if (Line == TText::NotFound)
            Ini.AddKey(Header, Key, Written);
        else
            Ini.SetValue(Line, Written);
    }
    return Store(Ini);
}

bool TIniProfileFile::DeleteKey(const std::string& Section, const std::string& Key) {
    TText Ini;
    int Header;
    if (!LoadSection(Ini, Section, Header)) return false;
    if (Header == TText::NotFound) return true;
    int Line = Ini.FindKey(Header, Key);
    if (Line == TText::NotFound) return true;
    Ini.Erase(Line, Line + 1);
    return Store(Ini);
}

bool TIniProfileFile::EraseSection(const std::string& Section) {
    TText Ini;
    int Header;
    if (!LoadSection(Ini, Section, Header)) return false;
    if (Header == TText::NotFound) return true;
    Ini.Erase(Header < 0 ? 0 : Header, Ini.SectionEnd(Header));
    return Store(Ini);
}
