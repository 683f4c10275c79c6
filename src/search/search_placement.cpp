// Where the search dialogs and the replace confirmation box go on the screen.
#include "search/search_dialogs.h"

TWindowRect FitToWorkArea(TWindowRect Dialog, const TWindowRect& WorkArea) {
    const int Width = Dialog.Width(), Height = Dialog.Height();
    if (Dialog.Right > WorkArea.Right) Dialog.Left -= Dialog.Right - WorkArea.Right;
    if (Dialog.Bottom > WorkArea.Bottom) Dialog.Top -= Dialog.Bottom - WorkArea.Bottom;
    Dialog.Right = Dialog.Left + Width;
    Dialog.Bottom = Dialog.Top + Height;
    return Dialog;
}

void ConfirmBoxOrigin(int X, int Y, int RowHeight, int Width, int Height, int ScreenWidth,
                      int& Left, int& Top) {
    Top = Y - Height - RowHeight;
    if (Top < 0) Top = Y + RowHeight;
    Left = X + 2;
    if (Left + Width > ScreenWidth) Left = ScreenWidth - Width - 4;
}
