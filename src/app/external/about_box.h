#pragma once
// The about box: the program's name and version, one line about it and two links (the
// home page and the makers' mail address), placed just inside the main window's editor.
#include "platform/desktop.h"

#include <string>

class TAboutBox {
public:
    std::string Caption = "バージョン情報";
    std::string AppName;
    std::string VerNo;
    std::string StaticLine = "Shift_JIS・JIS・EUC-JP 対応の日本語テキストエディタ";
    std::string URLLabel1;
    std::string URLLabel2;

    TAboutBox();
    // Sets the name and the version, as the box does when it is shown.
    void FormShow();
    // The box's screen rectangle for a box Width x Height: 24 pixels right of and below
    // the editor's top-left corner (EditorLeft, EditorTop on the screen), moved left and
    // up as far as needed to lie inside WorkArea.
    static TWindowRect Placement(int EditorLeft, int EditorTop, int Width, int Height,
                                 const TWindowRect& WorkArea);
};
