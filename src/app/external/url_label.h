#pragma once
// TURLLabel: a label that opens its own caption (a web or "mailto:" address) through the
// shell when pressed, and shows the mouse over it and the press by its text colour.  The
// window that shows it paints the caption in TextColor, sets the cursor CursorName and
// reports the mouse; the label asks it to repaint through OnRepaint.
#include "app/settings/color_string.h"

#include <functional>
#include <string>

class TShell;

class TURLLabel {
public:
    // The cursor resource of the program shown over the label.
    static constexpr const char* CursorName = "HANDPOINT";

    explicit TURLLabel(TShell& Shell) : FShell(Shell) {}

    std::function<void()> OnRepaint;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Executable() const { return FExecutable; }
    void SetExecutable(bool Value) { FExecutable = Value; }
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value);
    TColor HotColor() const { return FHotColor; }
    void SetHotColor(TColor Value);
    TColor PushedColor() const { return FPushedColor; }
    void SetPushedColor(TColor Value);
    // The colour the caption is painted in now.
    TColor TextColor() const { return FTextColor; }
    // The normal colour (while the mouse is elsewhere).
    void SetTextColor(TColor Value);

    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    // Inside: the mouse is over the label as the button comes up.
    void MouseUp(bool Inside);

private:
    void Paint(TColor Color);
    void Repaint();

    TShell& FShell;
    std::string FCaption;
    bool FExecutable = false;
    bool FHotTrack = true;
    TColor FHotColor = clAqua;
    TColor FPushedColor = clRed;
    TColor FTextColor = clWindowText;
    TColor FNormalColor = clWindowText;
    bool FInside = false;
};
