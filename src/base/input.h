#pragma once
// The input vocabulary of every window of the program: the shift state of key and mouse
// messages, mouse buttons, the virtual key codes the program handles, scroll-bar
// requests and the keys a control asks the dialog manager for.
#include "base/flags.h"

// Shift keys and mouse buttons held during a key or mouse message; ssDouble marks the
// second press of a double click.
enum class TShiftState : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
ZEF_FLAGS(TShiftState);

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Virtual key codes: key messages carry any code of the platform's keyboard, so they are
// plain numbers; these name the ones the program handles.
constexpr int vkBack = 8;
constexpr int vkTab = 9;
constexpr int vkReturn = 13;
constexpr int vkShift = 16;
constexpr int vkControl = 17;
constexpr int vkMenu = 18;
constexpr int vkEscape = 27;
constexpr int vkSpace = 32;
constexpr int vkPrior = 33;
constexpr int vkNext = 34;
constexpr int vkEnd = 35;
constexpr int vkHome = 36;
constexpr int vkLeft = 37;
constexpr int vkUp = 38;
constexpr int vkRight = 39;
constexpr int vkDown = 40;
constexpr int vkInsert = 45;
constexpr int vkDelete = 46;

// Scroll-bar requests, as the platform's scroll messages carry them.
enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scThumbPosition,
    scThumbTrack,
    scTop,
    scBottom,
    scEndScroll,
};

// What a control asks the dialog manager to pass on to it.
enum class TDialogCode : unsigned {
    dcWantArrows = 1,
    dcWantTab = 2,
    dcWantAllKeys = 4,
    dcWantChars = 0x80,
};
ZEF_FLAGS(TDialogCode);
