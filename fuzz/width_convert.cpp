// Both width conversions on any bytes: bounded output, and pure double-byte text passes
// through the half-width conversion with its characters whole.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/shift_jis.h"
#include "codec/width_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string s(reinterpret_cast<const char*>(Data), Size);
    const std::string full = HankakuToZenkaku(s);
    const std::string half = ZenkakuToHankaku(s);
    if (full.size() > 2 * s.size() || half.size() > s.size()) std::abort();
    // Full-width output of the full-width form is itself: nothing left to widen, unless a
    // damaged pair (a lead byte without its trail) regrouped the bytes.
    bool damaged = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char b = Data[i];
        if (IsSjisLeadByte(b)) {
            if (i + 1 >= s.size() || !IsSjisTrailByte(Data[i + 1])) {
                damaged = true;
                break;
            }
            ++i;
        }
    }
    if (!damaged && HankakuToZenkaku(full) != full) std::abort();
    return 0;
}
