#pragma once
// What the main window paints over each row after the editor drew it: the per-mode
// colouring the editor's parser cannot express (HTML attribute values, INI comments,
// sections and values, BAT comments, quote lines of the standard mode) and the marks of
// tabs and full-width spaces.  Everything is drawn on the editor's paint canvas.
#include "base/platform_values.h"

#include <string>

class TEditor;
struct TOptionRecord;

// The row handler of the editor's OnDrawLine for the effective edit mode Mode (0 to 8).
// LineStr is the text the editor drew from pixel X at the top Y of row Index, ARect the
// piece of the row being painted.  A piece drawn as selected gets only the marks.
void Editor1DrawLine(TEditor& Editor, int Mode, const TOptionRecord& Options,
                     const std::string& LineStr, int X, int Y, int Index, const TRect& ARect,
                     bool Selected);

// The tab chevrons and full-width-space squares of row Index, as the TabMark and SpMark
// options ask, inside ARect.
void DrawMarks(TEditor& Editor, const TOptionRecord& Options, int X, bool Selected,
               const TRect& ARect, int Index, int Y);
