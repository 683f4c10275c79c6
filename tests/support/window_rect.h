#pragma once
// Comparing and printing window rectangles in tests.
#include "platform/desktop.h"

#include <gtest/gtest.h>

#include <ostream>

inline bool operator==(const TWindowRect& A, const TWindowRect& B) {
    return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}
inline std::ostream& operator<<(std::ostream& Out, const TWindowRect& R) {
    return Out << "(" << R.Left << "," << R.Top << ")-(" << R.Right << "," << R.Bottom << ")";
}

// R's corner and size.
inline void ExpectRect(const TWindowRect& R, int Left, int Top, int Width, int Height) {
    EXPECT_EQ((TWindowRect{Left, Top, Left + Width, Top + Height}), R);
}
