#include "codec/cp932_tables.h"

namespace cp932 {

namespace {

TTables* Build() {
    static TTables T{};
    for (int l = 0; l < LeadCount; ++l) {
        const int Lead = l < 0x1F ? 0x81 + l : 0xE0 + (l - 0x1F);
        for (int t = 0; t < TrailCount; ++t) {
            const int Trail = 0x40 + t;
            const std::uint16_t U = DoubleByte[l][t];
            if (!U) continue;
            T.Decode[((Lead - 0x80) << 8) | Trail] = U;
        }
    }
    // Encoding: the single bytes, then every double-byte code in ascending order, the
    // first code of a character winning; then the choices among duplicates.
    for (int b = 1; b < 0x80; ++b)
        T.Encode[b] = static_cast<std::uint16_t>(b);
    for (int b = 0x80; b < 0x100; ++b) {
        const std::uint16_t U = SingleByte[b - 0x80];
        if (U && !T.Encode[U]) T.Encode[U] = static_cast<std::uint16_t>(b);
    }
    for (int Code = 0x8000; Code < 0x10000; ++Code) {
        const std::uint16_t U = T.Decode[Code - 0x8000];
        if (U && !T.Encode[U]) T.Encode[U] = static_cast<std::uint16_t>(Code);
    }
    for (const auto& P : Preferred)
        T.Encode[P[0]] = P[1];
    for (int l = 0; l < LeadCount; ++l) {
        const int Lead = l < 0x1F ? 0x81 + l : 0xE0 + (l - 0x1F);
        T.LeadRow[Lead] = static_cast<std::uint8_t>(l + 1);
        for (int Trail = 0; Trail < 256; ++Trail)
            T.Compact[((l + 1) << 8) | Trail] = T.Decode[((Lead - 0x80) << 8) | Trail];
    }
    return &T;
}

} // namespace

const TTables& Tables() {
    static const TTables* T = Build();
    return *T;
}

} // namespace cp932
