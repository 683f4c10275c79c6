#include "app/edit_mode_colors.h"

#include "app/edit_mode.h"
#include "editor/editor_prop.h"
#include "platform/file_system.h"

namespace {

struct TBracket {
    const char* Left;
    const char* Right;
    TColor TOptionColors::*Color;
};

struct TModeColouring {
    const char* Commenter;
    const char* PerlCommenter;
    const char* Quotation;
    const char* PerlQuotation;
    TBracket Brackets[2];
    TColor TOptionColors::*Comment; // null: Font
    TColor TOptionColors::*Str;
    TColor TOptionColors::*KeyWord;
    bool TOptionRecord::*Bold;
    bool Links; // URLs and mail addresses as the LinkWord option says; else never
};

const TModeColouring Colouring[EditModeCount] = {
    {"", "", "", "", {}, nullptr, nullptr, nullptr, nullptr, true},
    {"", "", "\"", "",
     {{"<!--", "-->", &TOptionColors::Html_Comment}, {"<", ">", &TOptionColors::Html_Tag}},
     nullptr, nullptr, nullptr, nullptr, false},
    {"", "#", "", "'", {}, &TOptionColors::Perl_Comment, &TOptionColors::Perl_Str,
     &TOptionColors::Perl_KeyWord, &TOptionRecord::Perl_KeyWord_Bold, false},
    {"", "", "", "", {}, nullptr, nullptr, nullptr, nullptr, true},
    {"", "", "", "", {}, nullptr, nullptr, nullptr, nullptr, true},
    {"//", "", "", "'", {{"/*", "*/", &TOptionColors::Cpp_Comment}}, &TOptionColors::Cpp_Comment,
     &TOptionColors::Cpp_Str, &TOptionColors::Cpp_KeyWord, &TOptionRecord::Cpp_KeyWord_Bold, false},
    {"//", "", "", "'", {{"/*", "*/", &TOptionColors::Java_Comment}}, &TOptionColors::Java_Comment,
     &TOptionColors::Java_Str, &TOptionColors::Java_KeyWord, &TOptionRecord::Java_KeyWord_Bold,
     false},
    {"'", "", "", "\"", {}, &TOptionColors::Vb_Comment, &TOptionColors::Vb_Str,
     &TOptionColors::Vb_KeyWord, &TOptionRecord::Vb_KeyWord_Bold, false},
    {"//", "", "'", "",
     {{"{", "}", &TOptionColors::Pas_Comment}, {"(*", "*)", &TOptionColors::Pas_Comment}},
     &TOptionColors::Pas_Comment, &TOptionColors::Pas_Str, &TOptionColors::Pas_KeyWord,
     &TOptionRecord::Pas_KeyWord_Bold, false},
};

} // namespace

void ConfigureEditMode(TEditorProp& Prop, int Mode, const TOptionRecord& Options,
                       const TKeywordLoader& Load) {
    if (Mode < 0 || Mode >= EditModeCount) Mode = 0;
    const TModeColouring& C = Colouring[Mode];
    const TOptionColors& K = Options.Colors;
    Prop.Font().SetColor(K.Font);
    TEditorViewInfo& View = Prop.View();
    View.BeginUpdate();
    View.SetCommenter(C.Commenter);
    View.SetPerlCommenter(C.PerlCommenter);
    View.SetQuotation(C.Quotation);
    View.SetPerlQuotation(C.PerlQuotation);
    View.Brackets().BeginUpdate();
    View.Brackets().Clear();
    for (const TBracket& B : C.Brackets) {
        if (!B.Left) break;
        TEditorBracketItem* Item = View.Brackets().Add();
        Item->SetLeftBracket(B.Left);
        Item->SetRightBracket(B.Right);
        Item->ItemColor().SetColor(K.*B.Color);
        Item->ItemColor().SetBkColor(K.Bk);
    }
    View.Brackets().EndUpdate();
    View.Colors().Comment().SetColor(C.Comment ? K.*C.Comment : K.Font);
    View.Colors().Str().SetColor(C.Str ? K.*C.Str : K.Font);
    View.SetUrl(C.Links && Options.LinkWord);
    View.SetMail(C.Links && Options.LinkWord);
    bool Loaded = false;
    const char* File = EditModeInfo(Mode).KeywordFile;
    if (C.KeyWord && *File) {
        View.Colors().Reserve().SetStyle(Options.*C.Bold ? TFontStyle::fsBold : TFontStyles{});
        View.Colors().Reserve().SetColor(K.*C.KeyWord);
        TWordList Words;
        Loaded = Load && Load(File, Words);
        if (Loaded) Prop.ReserveWordList().Assign(Words);
    }
    if (!Loaded) {
        Prop.ReserveWordList().Clear();
        View.Colors().Reserve().SetStyle(TFontStyles{});
        View.Colors().Reserve().SetColor(K.Font);
    }
    View.EndUpdate();
}

bool LoadKeywordFile(TFileSystem& Files, const std::string& Path, TWordList& Words) {
    std::unique_ptr<TFileReader> Reader = Files.OpenRead(Path);
    if (!Reader) return false;
    std::string Text;
    char Buffer[8192];
    for (;;) {
        const long long N = Reader->Read(Buffer, sizeof Buffer);
        if (N < 0) return false;
        if (N == 0) break;
        Text.append(Buffer, static_cast<std::size_t>(N));
    }
    Words.SetText(Text);
    return true;
}
