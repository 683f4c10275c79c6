#include "base/gap_buffer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Contents(const TGapBuffer<std::string>& B) {
    std::vector<std::string> V;
    for (std::size_t I = 0; I < B.size(); ++I)
        V.push_back(B[I]);
    return V;
}

} // namespace

// Filling the gap completely and then editing elsewhere must move no element onto
// itself (that once wiped the rows between the two places).
TEST(GapBuffer, EditAwayFromAFullGapKeepsElements) {
    TGapBuffer<std::string> B;
    for (int I = 0; I < 16; ++I)
        B.push_back(std::to_string(I)); // the first growth leaves a gap of exactly 16
    B.erase(3, 1);
    B.insert(10, 1);
    B[10] = "new";
    std::vector<std::string> Expected;
    for (int I = 0; I < 16; ++I)
        if (I != 3) Expected.push_back(std::to_string(I));
    Expected.insert(Expected.begin() + 10, "new");
    EXPECT_EQ(Contents(B), Expected);
}

TEST(GapBuffer, RandomInsertsAndErasesAgreeWithVector) {
    std::mt19937 Rng(4711);
    TGapBuffer<std::string> B;
    std::vector<std::string> V;
    for (int Step = 0; Step < 20000; ++Step) {
        std::size_t Pos = Rng() % (V.size() + 1);
        if (Rng() % 3 != 0 || V.empty()) {
            std::size_t N = Rng() % 5;
            B.insert(Pos, N);
            V.insert(V.begin() + static_cast<long>(Pos), N, std::string());
            for (std::size_t I = 0; I < N; ++I)
                B[Pos + I] = V[Pos + I] = std::to_string(Step) + "-" + std::to_string(I);
        } else {
            std::size_t N = std::min<std::size_t>(Rng() % 5, V.size() - std::min(Pos, V.size()));
            B.erase(Pos, N);
            V.erase(V.begin() + static_cast<long>(Pos), V.begin() + static_cast<long>(Pos + N));
        }
        ASSERT_EQ(B.size(), V.size()) << Step;
        if (Step % 97 == 0) {
            ASSERT_EQ(Contents(B), V) << Step;
        }
    }
    EXPECT_EQ(Contents(B), V);
}
