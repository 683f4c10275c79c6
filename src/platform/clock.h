#pragma once
// The local date and time, and the time written the way the user's settings write it.
#include <string>

struct TDateTime {
    int Year = 0;
    int Month = 0; // 1 to 12
    int Day = 0;   // 1 to 31
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

class TClock {
public:
    virtual ~TClock() = default;
    virtual TDateTime Now() const = 0;
    // Time in the platform's long time format (for a Japanese user "13:05:09").
    virtual std::string LongTimeText(const TDateTime& Time) const = 0;
};
