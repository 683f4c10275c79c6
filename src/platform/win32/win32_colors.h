#pragma once
// Colour and cursor values of the portable code as GDI and USER take them.
#include "base/platform_values.h"

#include <windows.h>

// A system colour (top byte 0x80) becomes the current value of that colour.
inline COLORREF ToColorRef(TColor Color) {
    if (IsSystemColor(Color)) return GetSysColor(static_cast<int>(Color & 0xFF));
    return static_cast<COLORREF>(Color & 0xFFFFFF);
}

// The cursor behind an identifier: stock cursors of the system, and the two cursors
// the program carries as resources ("RightArrow", "CopyDrop").
HCURSOR CursorHandle(TCursor Cursor);
