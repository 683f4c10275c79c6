#include "base/shift_jis.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// The character starts of Text from Anchor on, found by walking forward.
std::vector<std::size_t> Starts(const std::string& Text, std::size_t Anchor = 0) {
    std::vector<std::size_t> Result;
    for (std::size_t I = Anchor; I < Text.size(); I = SjisNext(Text.data(), Text.size(), I))
        Result.push_back(I);
    return Result;
}

} // namespace

TEST(ShiftJis, LeadAndTrailRanges) {
    for (int B = 0; B < 256; ++B) {
        bool Lead = (B >= 0x81 && B <= 0x9F) || (B >= 0xE0 && B <= 0xFC);
        bool Trail = B >= 0x40 && B <= 0xFC && B != 0x7F;
        EXPECT_EQ(Lead, IsSjisLeadByte(static_cast<unsigned char>(B))) << B;
        EXPECT_EQ(Trail, IsSjisTrailByte(static_cast<unsigned char>(B))) << B;
        EXPECT_EQ(Lead, IsSjisLeadByte(static_cast<char>(B))) << B;
    }
    // Half-width katakana and the bytes around the ranges are single characters.
    EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(0x80)));
    EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(0xA0)));
    EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(0xDF)));
    EXPECT_FALSE(IsSjisLeadByte(static_cast<unsigned char>(0xFD)));
}

TEST(ShiftJis, ForwardStepsKeepPairsAndALoneFinalLeadByte) {
    // a, 亜 (0x88 0x9F), ｱ (0xB1), 表 (0x95 0x5C), and a lead byte with nothing after it.
    const std::string T = "a\x88\x9F\xB1\x95\x5C\x81";
    EXPECT_EQ((std::vector<std::size_t>{0, 1, 3, 4, 6}), Starts(T));
    EXPECT_EQ(1u, SjisCharLength(T.data(), T.size(), 6));
    EXPECT_EQ(T.size(), SjisNext(T.data(), T.size(), T.size()));
}

TEST(ShiftJis, BackwardStepsFromAKnownBoundaryDecideByParity) {
    // 0x9F is a lead byte and also the trail of 亜: only the anchor tells them apart.
    const std::string T = "\x88\x9F\x88\x9F"
                          "b"
                          "\x9F\x40";
    const char* P = T.data();
    EXPECT_EQ(5u, SjisPrev(P, 0, T.size())) << "0x9F 0x40 is one character";
    EXPECT_EQ(4u, SjisPrev(P, 0, 5)) << "b after two kanji";
    EXPECT_EQ(2u, SjisPrev(P, 0, 4));
    EXPECT_EQ(0u, SjisPrev(P, 0, 2));
    EXPECT_EQ(0u, SjisPrev(P, 0, 0)) << "nothing before the anchor";
    EXPECT_TRUE(IsSjisTrailAt(P, 0, 1));
    EXPECT_TRUE(IsSjisTrailAt(P, 0, 3));
    EXPECT_FALSE(IsSjisTrailAt(P, 0, 2));
    EXPECT_FALSE(IsSjisTrailAt(P, 0, 5)) << "a lead byte after b starts a character";
    EXPECT_TRUE(IsSjisTrailAt(P, 0, 6));
    EXPECT_EQ(5u, SjisBoundary(P, 0, 6));
    EXPECT_EQ(4u, SjisBoundary(P, 0, 4));
    // From a different anchor the same bytes pair differently: 0x9F 0x88 is a character.
    EXPECT_TRUE(IsSjisTrailAt(P, 1, 2));
    EXPECT_EQ(1u, SjisPrev(P, 1, 3));
}

TEST(ShiftJis, SearchingForAByteNeverMatchesATrailByte) {
    // 0xE9 0x62 is one character whose trail byte is 'b'.
    const std::string T = "a\xE9"
                          "bb";
    std::vector<std::size_t> Hits;
    for (std::size_t I : Starts(T))
        if (T[I] == 'b') Hits.push_back(I);
    EXPECT_EQ((std::vector<std::size_t>{3}), Hits);
    EXPECT_TRUE(IsSjisTrailAt(T.data(), 0, 2));
}

// Random texts: stepping back from every boundary gives the boundary before it, and the
// trail test agrees with the forward walk, from the start and from later anchors.
TEST(ShiftJis, BackwardStepsAgreeWithTheForwardWalk) {
    std::mt19937 Rng(932);
    const unsigned char Bytes[] = {'a',  ' ',  0x40, 0x5C, 0x7F, 0x80, 0x81, 0x88,
                                   0x9F, 0xA0, 0xB1, 0xDF, 0xE0, 0xEA, 0xFC, 0xFD};
    for (int Round = 0; Round < 300; ++Round) {
        std::string T;
        int N = static_cast<int>(Rng() % 40);
        for (int I = 0; I < N; ++I)
            T += static_cast<char>(Bytes[Rng() % sizeof Bytes]);
        std::vector<std::size_t> S = Starts(T);
        for (std::size_t Anchor : S) {
            std::vector<std::size_t> From = Starts(T, Anchor);
            From.push_back(T.size());
            for (std::size_t K = 1; K < From.size(); ++K)
                ASSERT_EQ(From[K - 1], SjisPrev(T.data(), Anchor, From[K])) << Round;
            std::size_t K = 0;
            for (std::size_t Pos = Anchor; Pos < T.size(); ++Pos) {
                bool Start = K < From.size() && From[K] == Pos;
                if (Start) ++K;
                ASSERT_EQ(!Start, IsSjisTrailAt(T.data(), Anchor, Pos)) << Round << " " << Pos;
            }
        }
    }
}
