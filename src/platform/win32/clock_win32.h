#pragma once
// The local time of the system, written in the user's long time format.
#include "platform/clock.h"

class TWin32Clock : public TClock {
public:
    TDateTime Now() const override;
    std::string LongTimeText(const TDateTime& Time) const override;
};
