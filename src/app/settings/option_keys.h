#pragma once
// The keys of the option record, in file order, each with the field it fills: one list
// that loading and saving both walk.  Visit is called as Visit(Key, Field) with Field an
// int, bool, std::string or TColor, or a TPadded for a string kept between "%"
// characters; Record may be const.
#include "app/settings/option_record.h"

template <typename TString> struct TPadded { TString& Value; };

template <typename TString> TPadded<TString> Padded(TString& Value) {
    return TPadded<TString>{Value};
}

// Section "Option".
template <typename TRecord, typename TVisit> void VisitOptionKeys(TRecord& R, TVisit&& Visit) {
    Visit("StartWindow", R.StartWindow);
    Visit("UserWindowSize_W", R.UserWindowSize_W);
    Visit("UserWindowSize_H", R.UserWindowSize_H);
    Visit("UserWindowPos", R.UserWindowPos);
    Visit("UserWindowPos_X", R.UserWindowPos_X);
    Visit("UserWindowPos_Y", R.UserWindowPos_Y);
    Visit("UserFileFilter", R.UserFileFilter);
    Visit("StatusBar", R.StatusBar);
    Visit("ToolBar", R.ToolBar);
    Visit("FlatToolBar", R.FlatToolBar);
    Visit("WordWrap", R.WordWrap);
    Visit("WordBreak", R.WordBreak);
    Visit("FollowRetMark", R.FollowRetMark);
    Visit("Leading", R.Leading);
    Visit("FollowStr", R.FollowStr);
    Visit("LeadStr", R.LeadStr);
    Visit("FollowPunctuation", R.FollowPunctuation);
    Visit("PunctuationStr", R.PunctuationStr);
    Visit("FontName", R.FontName);
    Visit("FontSize", R.FontSize);
    Visit("ScrollBar_Tate", R.ScrollBar_Tate);
    Visit("ScrollBar_Yoko", R.ScrollBar_Yoko);
    Visit("TabCount", R.TabCount);
    Visit("WrapCount", R.WrapCount);
    Visit("AutoIndent", R.AutoIndent);
    Visit("FreeCaret", R.FreeCaret);
    Visit("RetMark", R.RetMark);
    Visit("EofMark", R.EofMark);
    Visit("TabMark", R.TabMark);
    Visit("SpMark", R.SpMark);
    Visit("Inyouhu", R.Inyouhu);
    Visit("InyouRow", R.InyouRow);
    Visit("PasteInyouhu", Padded(R.PasteInyouhu));
    Visit("LinkWord", R.LinkWord);
    Visit("HtmlDocFilter", R.HtmlDocFilter);
    Visit("UndoMax", R.UndoMax);
    Visit("StartIme", R.StartIme);
    Visit("FullPathFileName", R.FullPathFileName);
    Visit("LinePitch", R.LinePitch);
    Visit("CharPitch", R.CharPitch);
    Visit("CaretUnderLine", R.CaretUnderLine);
    Visit("NotDoubleOpen", R.NotDoubleOpen);
    Visit("Menu_NoSaveIni", R.Menu_NoSaveIni);
    Visit("LeftMargin", R.LeftMargin);
    Visit("TopMargin", R.TopMargin);
    Visit("UserWindowSize", R.UserWindowSize);
    Visit("PerlDocFilter", R.PerlDocFilter);
    Visit("IniDocFilter", R.IniDocFilter);
    Visit("BatDocFilter", R.BatDocFilter);
    Visit("CppDocFilter", R.CppDocFilter);
    Visit("PasDocFilter", R.PasDocFilter);
    Visit("JavaDocFilter", R.JavaDocFilter);
    Visit("VbDocFilter", R.VbDocFilter);
    Visit("Perl_KeyWord_Bold", R.Perl_KeyWord_Bold);
    Visit("Cpp_KeyWord_Bold", R.Cpp_KeyWord_Bold);
    Visit("Java_KeyWord_Bold", R.Java_KeyWord_Bold);
    Visit("Vb_KeyWord_Bold", R.Vb_KeyWord_Bold);
    Visit("Pas_KeyWord_Bold", R.Pas_KeyWord_Bold);
}

// Section "Color".
template <typename TColors, typename TVisit> void VisitColorKeys(TColors& C, TVisit&& Visit) {
    Visit("Font", C.Font);
    Visit("Bk", C.Bk);
    Visit("SelStr", C.SelStr);
    Visit("SelBk", C.SelBk);
    Visit("Ret", C.Ret);
    Visit("Tab", C.Tab);
    Visit("Link", C.Link);
    Visit("Inyou", C.Inyou);
    Visit("UnderLine", C.UnderLine);
    Visit("Html_Comment", C.Html_Comment);
    Visit("Html_Tag", C.Html_Tag);
    Visit("Html_Option", C.Html_Option);
    Visit("Perl_Comment", C.Perl_Comment);
    Visit("Perl_Str", C.Perl_Str);
    Visit("Perl_KeyWord", C.Perl_KeyWord);
    Visit("Ini_Comment", C.Ini_Comment);
    Visit("Ini_Sec", C.Ini_Sec);
    Visit("Ini_Key", C.Ini_Key);
    Visit("Bat_Comment", C.Bat_Comment);
    Visit("Cpp_Comment", C.Cpp_Comment);
    Visit("Cpp_Str", C.Cpp_Str);
    Visit("Cpp_KeyWord", C.Cpp_KeyWord);
    Visit("Java_Comment", C.Java_Comment);
    Visit("Java_Str", C.Java_Str);
    Visit("Java_KeyWord", C.Java_KeyWord);
    Visit("Vb_Comment", C.Vb_Comment);
    Visit("Vb_Str", C.Vb_Str);
    Visit("Vb_KeyWord", C.Vb_KeyWord);
    Visit("Pas_Comment", C.Pas_Comment);
    Visit("Pas_Str", C.Pas_Str);
    Visit("Pas_KeyWord", C.Pas_KeyWord);
}

// Sections "Browser" and "JCode".
template <typename TRecord, typename TVisit> void VisitBrowserKeys(TRecord& R, TVisit&& Visit) {
    Visit("Menu", R.Browser.Menu);
    Visit("Save", R.Browser.Save);
    Visit("IePath", R.Browser.IePath);
    Visit("NnPath", R.Browser.NnPath);
}

template <typename TRecord, typename TVisit> void VisitJCodeKeys(TRecord& R, TVisit&& Visit) {
    Visit("LoadAutoCvt", R.JCode.LoadAutoCvt);
    Visit("SaveCvt", R.JCode.SaveCvt);
}
