#include "app/settings/apply_settings.h"

namespace {

std::string Replace(std::string S, char From, char To) {
    for (char& C : S)
        if (C == From) C = To;
    return S;
}

// "name(patterns with commas)|patterns", or every file for an empty list.
std::string FilterEntry(const std::string& Name, const std::string& Patterns) {
    if (Patterns.empty()) return Name + "(*.*)|*.*";
    return Name + "(" + Replace(Patterns, ';', ',') + ")|" + Patterns;
}

} // namespace

int TabWidthFromIndex(int Index) {
    switch (Index) {
    case 0:
        return 2;
    case 1:
        return 4;
    case 2:
        return 6;
    default:
        return 8;
    }
}

void ApplyOptionsToEditorProp(const TOptionRecord& O, TEditorProp& Prop) {
    Prop.SetWordWrap(O.WordWrap);
    TEditorWrapOption& Wrap = Prop.WrapOption();
    Wrap.BeginUpdate();
    Wrap.SetWordBreak(O.WordBreak);
    Wrap.SetFollowRetMark(O.FollowRetMark);
    Wrap.SetLeading(O.Leading);
    Wrap.SetFollowStr(O.FollowStr);
    Wrap.SetLeadStr(O.LeadStr);
    Wrap.SetFollowPunctuation(O.FollowPunctuation);
    Wrap.SetPunctuationStr(O.PunctuationStr);
    Wrap.SetWrapByte(O.WrapCount);
    Wrap.EndUpdate();
    Prop.Font().SetName(O.FontName);
    Prop.Font().SetSize(O.FontSize);
    Prop.Caret().SetTabSpaceCount(TabWidthFromIndex(O.TabCount));
    Prop.Caret().SetFreeCaret(O.FreeCaret);

    TEditorMarks& Marks = Prop.Marks();
    Marks.RetMark().SetVisible(O.RetMark);
    Marks.EofMark().SetVisible(O.EofMark);
    Marks.Underline().SetVisible(O.CaretUnderLine);
    TEditorMargin& Margin = Prop.Margin();
    Margin.SetLine(O.LinePitch);
    Margin.SetCharacter(O.CharPitch);
    Margin.SetLeft(O.LeftMargin);
    Margin.SetTop(O.TopMargin);

    const TOptionColors& C = O.Colors;
    TEditorViewInfo& View = Prop.View();
    TEditorColors& Colors = View.Colors();
    Colors.Select().SetColor(C.SelStr);
    Colors.Select().SetBkColor(C.SelBk);
    Marks.RetMark().SetColor(C.Ret);
    Marks.EofMark().SetColor(C.Ret);
    View.SetUrl(O.LinkWord);
    View.SetMail(O.LinkWord);
    Colors.Url().SetColor(C.Link);
    Colors.Mail().SetColor(C.Link);
    Marks.Underline().SetColor(C.UnderLine);
    Prop.Font().SetColor(C.Font);
    for (TEditorColor* Entry :
         {&Colors.Ank(), &Colors.DBCS(), &Colors.Int(), &Colors.Reserve(), &Colors.Symbol()})
        Entry->SetColor(C.Font);
    View.Brackets().SetAllColor(C.Font);
    Prop.SetColor(C.Bk);
    Colors.SetAllBkColor(C.Bk);
    View.Brackets().SetAllBkColor(C.Bk);
}

TScrollStyle UpdateScrollBars(bool Vertical, bool Horizontal, bool WordWrap, int WrapWidth,
                              int VisibleColumns) {
    bool WrapFits = WordWrap && WrapWidth + 3 <= VisibleColumns;
    bool ShowHorizontal = Horizontal && !WrapFits;
    if (Vertical) return ShowHorizontal ? TScrollStyle::ssBoth : TScrollStyle::ssVertical;
    return ShowHorizontal ? TScrollStyle::ssHorizontal : TScrollStyle::ssNone;
}

std::vector<TModeFilter> ModeFilters(const TOptionRecord& O) {
    return {{"HTMLファイル", O.HtmlDocFilter}, {"Perlファイル", O.PerlDocFilter},
            {"INIファイル", O.IniDocFilter},   {"BATファイル", O.BatDocFilter},
            {"C/C++ファイル", O.CppDocFilter}, {"Javaファイル", O.JavaDocFilter},
            {"VBファイル", O.VbDocFilter},     {"Delphiファイル", O.PasDocFilter}};
}

TDialogFilters BuildDialogFilters(const std::string& UserFileFilter,
                                  const std::vector<TModeFilter>& Modes) {
    // An empty user list offers every file too: an empty pattern would end the
    // platform's filter list there and drop every entry after it.
    std::string Open = FilterEntry("ユーザー", UserFileFilter);
    for (const TModeFilter& M : Modes)
        Open += "|" + FilterEntry(M.Name, M.Extensions);
    Open += "|すべてのファイル(*.*)|*.*";
    return TDialogFilters{Open, "テキストファイル(*.txt)|*.txt|" + Open};
}
