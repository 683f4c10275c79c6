#include "editor/gap_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An insertion that fills the gap exactly leaves it empty; moving an empty gap, left or
// right, must keep every element.
TEST(GapBuffer, MovingAnEmptyGapKeepsTheElements) {
    for (std::size_t ErasePos : {1u, 7u}) {
        TGapBuffer<std::string> B;
        std::vector<std::string> Expect;
        for (int I = 0; I < 10; ++I) {
            B.push_back(std::to_string(I));
            Expect.push_back(std::to_string(I));
        }
        std::size_t Gap = B.capacity_bytes() / sizeof(std::string) - B.size();
        B.insert(4, Gap);
        for (std::size_t I = 0; I < Gap; ++I) {
            B[4 + I] = "g" + std::to_string(I);
            Expect.insert(Expect.begin() + 4 + static_cast<long>(I), "g" + std::to_string(I));
        }
        ASSERT_EQ(B.capacity_bytes() / sizeof(std::string), B.size()); // the gap is used up
        std::size_t Pos = ErasePos < 4 ? ErasePos : 4 + Gap + 2;
        B.erase(Pos, 1);
        Expect.erase(Expect.begin() + static_cast<long>(Pos));
        ASSERT_EQ(B.size(), Expect.size());
        for (std::size_t I = 0; I < Expect.size(); ++I)
            EXPECT_EQ(B[I], Expect[I]) << "erase at " << Pos << ", element " << I;
    }
}
