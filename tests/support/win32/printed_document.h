#pragma once
// A job printed by Wine's PostScript driver, read back as a person would see it: the
// PostScript is turned into PDF by Ghostscript, the PDF into text (pdftotext) and page
// images (pdftoppm), through the Unix programs of the machine.
//
// The driver names the glyphs of a TrueType font after the font's own glyph names
// ("aj271" in the IPA fonts), from which no text can be read back.  Before the
// conversion each such name is replaced by the standard name of its character
// ("uni65E5"), found through the font's character map and glyph names, which the test
// reads from the same font with GDI.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace printed_document {

inline std::string ReadFileBytes(const std::string& Path) {
    std::string Bytes;
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (File == INVALID_HANDLE_VALUE) return Bytes;
    char Buffer[65536];
    DWORD Read = 0;
    while (ReadFile(File, Buffer, sizeof Buffer, &Read, nullptr) && Read > 0)
        Bytes.append(Buffer, Read);
    CloseHandle(File);
    return Bytes;
}

inline bool WaitFor(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    DWORD Start = GetTickCount();
    for (;;) {
        if (Condition()) return true;
        if (GetTickCount() - Start > TimeoutMs) return false;
        Sleep(50);
    }
}

inline std::wstring Wide(const std::string& Text, UINT CodePage) {
    int Length = MultiByteToWideChar(CodePage, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0);
    std::wstring Out(static_cast<std::size_t>(Length), L'\0');
    MultiByteToWideChar(CodePage, 0, Text.data(), static_cast<int>(Text.size()), &Out[0], Length);
    return Out;
}

inline std::string Narrow(const std::wstring& Text, UINT CodePage) {
    int Length = WideCharToMultiByte(CodePage, 0, Text.data(), static_cast<int>(Text.size()), nullptr,
                                     0, nullptr, nullptr);
    std::string Out(static_cast<std::size_t>(Length), '\0');
    WideCharToMultiByte(CodePage, 0, Text.data(), static_cast<int>(Text.size()), &Out[0], Length,
                        nullptr, nullptr);
    return Out;
}

// "Z:\dir\file" as the Unix path "/dir/file".
inline std::string UnixPath(const std::string& Path) {
    std::string Out = Path.size() > 2 && (Path[0] == 'Z' || Path[0] == 'z') && Path[1] == ':'
                          ? Path.substr(2)
                          : Path;
    for (char& C : Out)
        if (C == '\\') C = '/';
    return Out;
}

inline bool UnixProgramExists(const std::string& UnixPathName) {
    std::string Windows = "Z:" + UnixPathName;
    for (char& C : Windows)
        if (C == '/') C = '\\';
    return GetFileAttributesA(Windows.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The glyph names of the font Face (code page 932 name) for the characters of
// Characters, as "uniXXXX" names, by the font's own names.
inline std::map<std::string, std::string> GlyphNames(const std::string& Face,
                                                     const std::wstring& Characters) {
    std::map<std::string, std::string> Names;
    HDC DC = CreateCompatibleDC(nullptr);
    LOGFONTA LF = {};
    LF.lfHeight = -50;
    LF.lfCharSet = DEFAULT_CHARSET;
    LF.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpynA(LF.lfFaceName, Face.c_str(), LF_FACESIZE);
    HFONT Font = CreateFontIndirectA(&LF);
    HGDIOBJ Old = SelectObject(DC, Font);
    const DWORD Post = 0x74736f70; // "post"
    DWORD Size = GetFontData(DC, Post, 0, nullptr, 0);
    std::vector<unsigned char> T(Size != GDI_ERROR ? Size : 0);
    if (!T.empty()) GetFontData(DC, Post, 0, T.data(), Size);
    auto U16 = [&](std::size_t At) { return At + 1 < T.size() ? T[At] << 8 | T[At + 1] : 0; };
    // Format 2: the glyph count, a name index per glyph, then the names past the 258
    // standard ones as Pascal strings.
    if (T.size() > 34 && U16(0) == 2 && U16(2) == 0) {
        std::size_t Count = static_cast<std::size_t>(U16(32));
        std::vector<std::string> Pool;
        for (std::size_t At = 34 + 2 * Count; At < T.size();) {
            std::size_t Length = T[At];
            Pool.emplace_back(reinterpret_cast<const char*>(&T[At + 1]),
                              std::min(Length, T.size() - At - 1));
            At += 1 + Length;
        }
        std::vector<WORD> Glyphs(Characters.size());
        GetGlyphIndicesW(DC, Characters.data(), static_cast<int>(Characters.size()), Glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS);
        for (std::size_t I = 0; I < Characters.size(); ++I) {
            if (Glyphs[I] == 0xFFFF || Glyphs[I] >= Count) continue;
            int Index = U16(34 + 2 * static_cast<std::size_t>(Glyphs[I]));
            if (Index < 258 || static_cast<std::size_t>(Index - 258) >= Pool.size()) continue;
            char Unicode[16];
            wsprintfA(Unicode, "uni%04X", static_cast<unsigned>(Characters[I]));
            Names.emplace(Pool[static_cast<std::size_t>(Index - 258)], Unicode);
        }
    }
    SelectObject(DC, Old);
    DeleteObject(Font);
    DeleteDC(DC);
    return Names;
}

// PostScript with every "/name" of Names replaced.
inline std::string RenameGlyphs(const std::string& Ps, const std::map<std::string, std::string>& Names) {
    std::string Out;
    Out.reserve(Ps.size());
    for (std::size_t I = 0; I < Ps.size();) {
        if (Ps[I] != '/') {
            Out += Ps[I++];
            continue;
        }
        std::size_t End = I + 1;
        while (End < Ps.size() && !strchr(" \t\r\n/[]{}()<>%", Ps[End]))
            ++End;
        auto Found = Names.find(Ps.substr(I + 1, End - I - 1));
        Out += '/';
        Out += Found != Names.end() ? Found->second : Ps.substr(I + 1, End - I - 1);
        I = End;
    }
    return Out;
}

// A word of pdftotext's box output: its text (UTF-8) and box in points.
struct Word {
    std::string Text;
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;
};

struct Document {
    std::string Error;           // what failed, empty on success
    std::vector<std::string> Pages; // the text of each page (UTF-8, as laid out)
    std::vector<std::vector<Word>> Words;
    double PageWidth = 0, PageHeight = 0;
};

// Shift_JIS text as UTF-8, as pdftotext gives it.
inline std::string Utf8(const std::string& Sjis) { return Narrow(Wide(Sjis, 932), CP_UTF8); }

// Text without blanks and line and page breaks, to compare what was printed in any layout.
inline std::string WithoutSpaces(const std::string& Text) {
    std::string Out;
    for (char C : Text)
        if (C != ' ' && C != '\n' && C != '\r' && C != '\t' && C != '\f') Out += C;
    return Out;
}

// The words of a printed line and the box around them.
struct Line {
    std::string Text;
    double XMin = 1e9, YMin = 1e9, XMax = 0, YMax = 0;
};

// The words on the baseline of Word.
inline Line LineOf(const std::vector<Word>& Words, const Word& Word) {
    Line Out;
    for (const auto& W : Words)
        if (std::fabs(W.YMax - Word.YMax) < 2) {
            Out.Text += W.Text;
            Out.XMin = std::min(Out.XMin, W.XMin);
            Out.YMin = std::min(Out.YMin, W.YMin);
            Out.XMax = std::max(Out.XMax, W.XMax);
            Out.YMax = std::max(Out.YMax, W.YMax);
        }
    return Out;
}

inline double Attribute(const std::string& Tag, const char* Name) {
    std::string Key = std::string(Name) + "=\"";
    std::size_t At = Tag.find(Key);
    return At == std::string::npos ? 0 : atof(Tag.c_str() + At + Key.size());
}

// Converts the PostScript file Ps (Windows path) printed in font Face into Base.pdf,
// Base.txt, Base.html (word boxes) and Base-N.png page images, Base a Windows path
// without extension.  The characters of Expected (UTF-16) get readable glyph names.
inline Document Convert(const std::string& Ps, const std::string& Face, const std::wstring& Expected,
                        const std::string& Base) {
    Document Doc;
    for (const char* Program : {"/usr/bin/gs", "/usr/bin/pdftotext", "/usr/bin/pdftoppm"})
        if (!UnixProgramExists(Program)) {
            Doc.Error = std::string("missing ") + Program + " (Debian: ghostscript, poppler-utils)";
            return Doc;
        }
    std::wstring Characters = Expected;
    for (wchar_t C = 0x20; C < 0x7F; ++C)
        Characters += C;
    std::string Renamed = RenameGlyphs(ReadFileBytes(Ps), GlyphNames(Face, Characters));
    std::string Done = Base + ".done";
    DeleteFileA(Done.c_str());
    HANDLE File = CreateFileA((Base + ".ps").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD Written = 0;
    WriteFile(File, Renamed.data(), static_cast<DWORD>(Renamed.size()), &Written, nullptr);
    CloseHandle(File);

    // Wine gives no exit status of a Unix program: the script marks its end with a file.
    std::string B = UnixPath(Base);
    std::string Script = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile='" + B +
                         ".pdf' '" + B + ".ps' && pdftotext -layout '" + B + ".pdf' '" + B +
                         ".txt' && pdftotext -bbox '" + B + ".pdf' '" + B + ".html' && pdftoppm -r 60 -png '" +
                         B + ".pdf' '" + B + "'; echo $? > '" + B + ".done'";
    std::string Command = "/bin/sh -c \"" + Script + "\"";
    STARTUPINFOA Startup = {};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Process = {};
    if (!CreateProcessA(nullptr, &Command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                        &Process)) {
        Doc.Error = "cannot start /bin/sh";
        return Doc;
    }
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    if (!WaitFor([&] { return ReadFileBytes(Done).find('\n') != std::string::npos; }, 120000)) {
        Doc.Error = "the conversion did not end";
        return Doc;
    }
    if (atoi(ReadFileBytes(Done).c_str()) != 0) {
        Doc.Error = "the conversion failed (" + ReadFileBytes(Done) + ")";
        return Doc;
    }
    std::string Text = ReadFileBytes(Base + ".txt");
    for (std::size_t Start = 0; Start < Text.size();) {
        std::size_t End = Text.find('\f', Start);
        if (End == std::string::npos) End = Text.size();
        Doc.Pages.push_back(Text.substr(Start, End - Start));
        Start = End + 1;
    }
    std::string Html = ReadFileBytes(Base + ".html");
    for (std::size_t At = Html.find("<page"); At != std::string::npos; At = Html.find("<page", At + 1)) {
        std::size_t End = Html.find("</page>", At);
        std::string Page = Html.substr(At, End - At);
        Doc.PageWidth = Attribute(Page.substr(0, Page.find('>')), "width");
        Doc.PageHeight = Attribute(Page.substr(0, Page.find('>')), "height");
        Doc.Words.emplace_back();
        for (std::size_t W = Page.find("<word"); W != std::string::npos; W = Page.find("<word", W + 1)) {
            std::size_t Open = Page.find('>', W), Close = Page.find("</word>", W);
            Word Item;
            std::string Tag = Page.substr(W, Open - W);
            Item.XMin = Attribute(Tag, "xMin");
            Item.YMin = Attribute(Tag, "yMin");
            Item.XMax = Attribute(Tag, "xMax");
            Item.YMax = Attribute(Tag, "yMax");
            Item.Text = Page.substr(Open + 1, Close - Open - 1);
            Doc.Words.back().push_back(Item);
        }
    }
    return Doc;
}

} // namespace printed_document
