#pragma once
// Code page 932: Shift_JIS with the NEC and IBM extensions and the user-defined area,
// as Windows converts it to and from Unicode.  The data is generated (cp932_tables.cpp,
// by tools/cp932/gen_cp932_tables.py); the lookups are built from it once.
#include <cstddef>
#include <cstdint>

namespace cp932 {

constexpr int LeadCount = 60;   // 0x81-0x9F, 0xE0-0xFC
constexpr int TrailCount = 189; // 0x40-0xFC
constexpr int PreferredCount = 396;

// Unicode of the single bytes 0x80-0xFF (0: none; lead bytes have none).
extern const std::uint16_t SingleByte[128];
// Unicode of each double-byte code by lead and trail slot (0: unassigned).
extern const std::uint16_t DoubleByte[LeadCount][TrailCount];
// For each character that several codes give, the code that encoding writes.
extern const std::uint16_t Preferred[PreferredCount][2];

// Lookups built from the data above.
struct TTables {
    // Unicode of the double-byte code Lead Trail at ((Lead - 0x80) << 8) | Trail; 0 where
    // none is assigned and for every first byte that is not a lead byte.
    std::uint16_t Decode[128 * 256];
    // Code of each BMP character: the single byte (< 0x100) or the double-byte code;
    // 0 where code page 932 has none (U+0000 itself is the byte 0).
    std::uint16_t Encode[65536];
    // The same characters for the lead bytes only, in a table small enough for the
    // first-level cache: Compact[(LeadRow[Lead] << 8) | Trail], LeadRow 0 for a byte
    // that is no lead byte (its row holds only zeros).
    std::uint8_t LeadRow[256];
    std::uint16_t Compact[(LeadCount + 1) * 256];
};
const TTables& Tables();

} // namespace cp932
