#pragma once
// The main window's menus as data: every item of the main menu and of the context menu
// with its name, caption, shortcut, hint and command, in menu order.  The main window
// connects the commands and the submenus' opening rules.
#include "app/menu/menu_item.h"

// What an item does.  Twins (a context-menu item, an invisible second-shortcut item)
// share their visible item's command.
enum TMainCommand : int {
    mcNone = 0,
    // File
    mcNew, mcOpen, mcCloseAndOpen, mcHistoryItem, mcClearHistory, mcSave, mcSaveAs,
    mcSaveSJis, mcSaveJis, mcSaveEuc, mcSaveUtf8, mcSaveUtf8Bom, mcPrint, mcSaveAndExit, mcExit,
    // Edit
    mcUndo, mcRedo, mcCut, mcCopy, mcPaste, mcInyouPaste, mcDelete, mcLineDel, mcSelectAll,
    mcBoxMode, mcFreeCaret,
    // Conversion
    mcLower, mcUpper, mcHankaku, mcZenkaku, mcTabIndent, mcUnTabIndent, mcIndent, mcUnIndent,
    mcWrapToReturns, mcDeleteReturns,
    // Search
    mcFind, mcFindUp, mcFindDown, mcReplace, mcRowJump,
    // View
    mcEditMode, mcToolBar, mcStatusBar, mcInyouRow, mcLinkWord, mcWordWrap, mcNowWidth,
    mcWrapWidthItem, mcTextSize, mcFont, mcOptions,
    // Window
    mcWinUserSize, mcTile, mcCascade, mcTileHorizontal, mcTileVertical, mcRestoreAll,
    mcMinimizeAll, mcNextWindow, mcPreviousWindow, mcWindowItem,
    // Tools
    mcToolOptions, mcInternetExplorer, mcNetscape, mcTool,
    // Help
    mcHelp, mcHomePage, mcAbout,
    mcCount
};

// Fills Root (an empty item) with the main menu bar and all its submenus.
void BuildMainMenu(TMenuItem& Root);
// Fills Root with the editor's context menu.
void BuildContextMenu(TMenuItem& Root);
// Fills Parent (mHenkan or pHenkan) with the conversion items; Prefix is "m" or "p".
void BuildConversionMenu(TMenuItem& Parent, const char* Prefix);

// The submenu caption of the tool items' fixed part: five items stay when the tool list
// is rebuilt.
constexpr int ToolMenuFixedItems = 5;
