#include "app/edit_mode.h"

#include "base/file_name.h"

namespace {

const TEditModeInfo Modes[EditModeCount] = {
    {"標準", "", "", "", "", ""},
    {"HTML", "/html", "HtmlDocFilter", "HTMLファイル", "", ""},
    {"Perl", "/perl", "PerlDocFilter", "Perlファイル", "perl.kwd", "Perl_KeyWord_Bold"},
    {"INI", "/ini", "IniDocFilter", "INIファイル", "", ""},
    {"BAT", "/bat", "BatDocFilter", "BATファイル", "", ""},
    {"C/C++", "/cpp", "CppDocFilter", "C/C++ファイル", "cpp.kwd", "Cpp_KeyWord_Bold"},
    {"Java", "/java", "JavaDocFilter", "Javaファイル", "java.kwd", "Java_KeyWord_Bold"},
    {"VB", "/vb", "VbDocFilter", "VBファイル", "vb.kwd", "Vb_KeyWord_Bold"},
    {"Delphi", "/pas", "PasDocFilter", "Delphiファイル", "delphi.kwd", "Pas_KeyWord_Bold"},
};

} // namespace

const TEditModeInfo& EditModeInfo(int Mode) {
    return Modes[Mode >= 0 && Mode < EditModeCount ? Mode : 0];
}

std::string EditModeStatusName(int Mode) { return EditModeInfo(Mode).StatusName; }

bool ExtensionListContains(const std::string& List, const std::string& Ext) {
    const std::string Wanted = AnsiLowerCaseAscii(Ext);
    std::size_t Start = 0;
    while (Start <= List.size()) {
        std::size_t End = List.find(';', Start);
        if (End == std::string::npos) End = List.size();
        const std::string Piece = List.substr(Start, End - Start);
        if (!Piece.empty()) {
            const std::size_t Dot = Piece.rfind('.');
            const std::string PieceExt = Dot == std::string::npos ? std::string() : Piece.substr(Dot);
            if (AnsiLowerCaseAscii(PieceExt) == Wanted) return true;
        }
        Start = End + 1;
    }
    return false;
}

int EffectiveEditMode(int Mode, const TModeExtensionLists& Lists) {
    return Mode >= 1 && Mode < EditModeCount && !Lists[static_cast<std::size_t>(Mode)].empty() ? Mode : 0;
}

int ModeFromFileName(const std::string& FileName, int CurrentMode, const TModeExtensionLists& Lists) {
    if (FileName.empty()) return EffectiveEditMode(CurrentMode, Lists);
    const std::string Ext = ExtractFileExt(FileName);
    for (int Mode = 1; Mode < EditModeCount; ++Mode)
        if (ExtensionListContains(Lists[static_cast<std::size_t>(Mode)], Ext)) return Mode;
    return 0;
}
