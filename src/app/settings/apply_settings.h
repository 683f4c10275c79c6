#pragma once
// What applying the option record decides: the editor's settings, its scroll bars and
// the file dialogs' filter lists.  The window applies the results.
#include "app/settings/option_record.h"
#include "editor/editor_prop.h"

#include <string>
#include <vector>

// The tab width of a TabCount index: 0 -> 2, 1 -> 4, 2 -> 6, any other value -> 8.
int TabWidthFromIndex(int Index);

// Copies the record onto a settings set taken from the editor: word wrap and its
// options, font, tab width, wrap width, free caret, marks, margins and every colour.
// The undo depth (UndoMax) belongs to the editor itself and is not part of the set.
void ApplyOptionsToEditorProp(const TOptionRecord& Options, TEditorProp& Prop);

// The editor's scroll bars from the wanted ones: with word wrap on, a horizontal bar is
// dropped when the wrap width plus 3 fits into the visible columns.
TScrollStyle UpdateScrollBars(bool Vertical, bool Horizontal, bool WordWrap, int WrapWidth,
                              int VisibleColumns);

// One edit mode's entry of the file dialogs.
struct TModeFilter {
    std::string Name;       // "HTMLファイル"
    std::string Extensions; // "*.htm;*.html"; empty: the entry offers every file
};

// The entries of modes 1 to 8 (HTML, Perl, INI, BAT, C/C++, Java, VB, Delphi) with the
// record's extension lists.
std::vector<TModeFilter> ModeFilters(const TOptionRecord& Options);

struct TDialogFilters {
    std::string Open; // the user's entry, one per mode, then every file
    std::string Save; // the text-file entry, then the open list
};

// Filter lists in the dialogs' "description|patterns|..." form: entry k of the open list
// and entry k+1 of the save list belong to mode k (mode 0 to the user's entry).
TDialogFilters BuildDialogFilters(const std::string& UserFileFilter,
                                  const std::vector<TModeFilter>& Modes);
