#pragma once
// What the search commands need of the window system: the three dialogs shown modally
// over their models, and the replace confirmation box.  The Win32 main window implements
// it; native tests use a scripted fake.
#include "platform/desktop.h"

class TFormSearch;
class TFormReplace;
class TFormJump;

enum class TReplaceDialogResult { rdCancel, rdOk, rdAll };
// The answers of the confirmation box: "はい(&Y)", "いいえ(&N)", "キャンセル", "すべて(&A)".
enum class TReplaceAnswer { raYes, raNo, raCancel, raAll };

class TSearchDialogs {
public:
    virtual ~TSearchDialogs() = default;
    // Each dialog is placed at the editor's client point 24, 24, kept inside the work
    // area; the model's Show has already run.  True (or the button) when it closed with
    // OK, after the model's button handler ran.
    virtual bool ExecuteFind(TFormSearch& Form) = 0;
    virtual TReplaceDialogResult ExecuteReplace(TFormReplace& Form) = 0;
    virtual bool ExecuteJump(TFormJump& Form) = 0;
    // The box "置き換えますか？" next to the caret, at the editor's client point
    // CaretX, CaretY with rows RowHeight pixels high (ConfirmBoxOrigin).
    virtual TReplaceAnswer ConfirmReplace(int CaretX, int CaretY, int RowHeight) = 0;
};

// A dialog of Width x Height whose top-left corner is Left, Top on the screen, moved
// left and up as far as it passes the right and bottom edges of the work area.
TWindowRect FitToWorkArea(TWindowRect Dialog, const TWindowRect& WorkArea);

// The confirmation box's top-left corner for a caret at the screen point X, Y: above the
// caret's row, or below it when it would leave the screen's top; two pixels right of
// the caret, or against the right edge of a screen ScreenWidth wide.
void ConfirmBoxOrigin(int X, int Y, int RowHeight, int Width, int Height, int ScreenWidth,
                      int& Left, int& Top);
