#include "codec/kanji_convert.h"

#include "codec/kanji_kernels.h"
#include "codec/kanji_stream.h"

using kanji_detail::TRoutine;

namespace {

std::string RunWhole(TKanjiCode Source, TKanjiCode Target, const std::string& Text) {
    TKanjiStreamConverter cvt(Source, Target);
    std::string out;
    out.reserve(Text.size() + Text.size() / 4 + 16);
    cvt.Feed(Text.data(), Text.size(), out);
    cvt.Finish(out);
    return out;
}

} // namespace

const unsigned char KanaToJisTable[128] = {
    // 0x00-0x20: no kana
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    0,
    // 0x21-0x2F: ｡｢｣､･ｦｧｨｩｪｫｬｭｮｯ
    0x23, 0x56, 0x57, 0x22, 0x26, 0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,
    // 0x30-0x3F: ｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ
    0x3C, 0x22, 0x24, 0x26, 0x28, 0x2A, 0x2B, 0x2D, 0x2F, 0x31, 0x33, 0x35, 0x37, 0x39, 0x3B, 0x3D,
    // 0x40-0x4F: ﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏ
    0x3F, 0x41, 0x44, 0x46, 0x48, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x52, 0x55, 0x58, 0x5B, 0x5E,
    // 0x50-0x5F: ﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ
    0x5F, 0x60, 0x61, 0x62, 0x64, 0x66, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6F, 0x73, 0x2B, 0x2C,
    // 0x60-0x7F: no kana
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

bool KanjiConversionChangesText(TKanjiCode Source, TKanjiCode Target) {
    return kanji_detail::PickRoutine(Source, Target) != TRoutine::Copy;
}

std::string ConvertKanjiCode(const std::string& Text, TKanjiCode Target) {
    TKanjiCode source = DetectKanjiCode(Text);
    if (!KanjiConversionChangesText(source, Target)) return Text;
    return RunWhole(source, Target, Text);
}

std::string JisToSjis(const std::string& Text) {
    return RunWhole(TKanjiCode::kcJis, TKanjiCode::kcSjis, Text);
}
std::string JisToEuc(const std::string& Text) {
    return RunWhole(TKanjiCode::kcJis, TKanjiCode::kcEuc, Text);
}
std::string EucToSjis(const std::string& Text) {
    return RunWhole(TKanjiCode::kcEuc, TKanjiCode::kcSjis, Text);
}
std::string EucToJis(const std::string& Text) {
    return RunWhole(TKanjiCode::kcEuc, TKanjiCode::kcJis, Text);
}
std::string SjisToJis(const std::string& Text) {
    return RunWhole(TKanjiCode::kcSjis, TKanjiCode::kcJis, Text);
}
std::string SjisToEuc(const std::string& Text) {
    return RunWhole(TKanjiCode::kcSjis, TKanjiCode::kcEuc, Text);
}

std::string JisToSjisChar(unsigned char j1, unsigned char j2) {
    std::uint8_t o[2];
    kanji_detail::JisToSjisPair(j1, j2, o);
    return std::string(reinterpret_cast<const char*>(o), 2);
}

std::string SjisToJisChar(unsigned char s1, unsigned char s2) {
    std::uint8_t o[2];
    kanji_detail::SjisToJisPair(s1, s2, o);
    return std::string(reinterpret_cast<const char*>(o), 2);
}

namespace {

std::string KanaAt(std::uint8_t k, int Next, std::size_t& Pos, std::size_t MarkWidth) {
    std::uint8_t o[2];
    bool mark = kanji_detail::KanaPairToJis(k, Next, o);
    Pos += mark ? MarkWidth : 0;
    return std::string(reinterpret_cast<const char*>(o), 2);
}

const std::string kGetaMark("\x22\x2E", 2);

} // namespace

std::string SjisKanaToJis(const std::string& Text, std::size_t& Pos) {
    if (Pos >= Text.size() || !kanji_detail::IsHalfKana(static_cast<std::uint8_t>(Text[Pos]))) {
        if (Pos < Text.size()) ++Pos;
        return kGetaMark;
    }
    std::uint8_t k = static_cast<std::uint8_t>(Text[Pos]);
    ++Pos;
    int next = Pos < Text.size() ? static_cast<std::uint8_t>(Text[Pos]) : -1;
    return KanaAt(k, next, Pos, 1);
}

std::string EucKanaToJis(const std::string& Text, std::size_t& Pos) {
    if (Pos + 1 >= Text.size() || static_cast<std::uint8_t>(Text[Pos]) != 0x8E ||
        !kanji_detail::IsHalfKana(static_cast<std::uint8_t>(Text[Pos + 1]))) {
        if (Pos < Text.size()) ++Pos;
        return kGetaMark;
    }
    std::uint8_t k = static_cast<std::uint8_t>(Text[Pos + 1]);
    Pos += 2;
    int next = -1;
    if (Pos + 1 < Text.size() && static_cast<std::uint8_t>(Text[Pos]) == 0x8E)
        next = static_cast<std::uint8_t>(Text[Pos + 1]);
    return KanaAt(k, next, Pos, 2);
}
