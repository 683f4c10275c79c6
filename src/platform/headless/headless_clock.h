#pragma once
// A clock that stands still at Time; long times read "H:mm:ss".
#include "platform/clock.h"

#include <cstdio>

class THeadlessClock : public TClock {
public:
    TDateTime Now() const override { return Time; }
    std::string LongTimeText(const TDateTime& T) const override {
        char Text[32];
        std::snprintf(Text, sizeof Text, "%d:%02d:%02d", T.Hour, T.Minute, T.Second);
        return Text;
    }

    TDateTime Time{2024, 3, 9, 7, 5, 30};
};
