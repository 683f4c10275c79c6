#include "app/window_layout.h"
#include "support/window_rect.h"

#include <gtest/gtest.h>

namespace {

const TWindowRect Screen{0, 0, 1024, 738};

} // namespace

TEST(GridShape, ColumnsAndRowsFollowTheTable) {
    // Columns: 1 | 2-4 | 5-9 | 10-16 | 17-25 | 26-36 | 37-49 | 50-64 | 65-81.
    // Rows: 1-2 | 3-6 | 7-12 | 13-20 | 21-30 | 31-42 | 43-56 | 57-72 | 73-90.
    const int ColumnLimits[] = {1, 4, 9, 16, 25, 36, 49, 64, 81};
    const int RowLimits[] = {2, 6, 12, 20, 30, 42, 56, 72, 90};
    for (int N = 1; N <= 81; ++N) {
        int Columns = 1, Rows = 1;
        while (N > ColumnLimits[Columns - 1]) ++Columns;
        while (N > RowLimits[Rows - 1]) ++Rows;
        EXPECT_EQ(Columns, GridShape(N).Columns) << N;
        EXPECT_EQ(Rows, GridShape(N).Rows) << N;
    }
    // Past 81 windows the grid goes on growing: a single column would put the windows
    // after the first below the screen.
    EXPECT_EQ(10, GridShape(82).Columns);
    EXPECT_EQ(9, GridShape(90).Rows);
    EXPECT_EQ(10, GridShape(100).Rows);
}

TEST(GridLayout, OneWindowFillsTheWorkArea) {
    const TWindowRect Area{30, 20, 1311, 1001};
    auto R = GridLayout(Area, 1);
    ASSERT_EQ(1u, R.size());
    ExpectRect(R[0], 30, 20, 1281, 981);
}

TEST(GridLayout, ThreeWindowsTakeThreeCellsOfATwoByTwoGrid) {
    auto R = GridLayout(Screen, 3);
    ASSERT_EQ(3u, R.size());
    ExpectRect(R[0], 0, 0, 512, 369);
    ExpectRect(R[1], 512, 0, 512, 369);
    ExpectRect(R[2], 0, 369, 512, 369);
}

TEST(GridLayout, LastColumnAndLastRowTakeTheRemainders) {
    const TWindowRect Area{0, 10, 1024, 749}; // 739 high: 369 + 370
    auto R = GridLayout(Area, 5);
    ASSERT_EQ(5u, R.size());
    ExpectRect(R[0], 0, 10, 341, 369);
    ExpectRect(R[1], 341, 10, 341, 369);
    ExpectRect(R[2], 682, 10, 342, 369);
    ExpectRect(R[3], 0, 379, 341, 370);
    ExpectRect(R[4], 341, 379, 341, 370);
}

TEST(GridLayout, CellsBelowTheMinimumGiveNoLayout) {
    // 30 windows: 6 by 5 cells of 170 by 147; 37: 7 by 6 cells of 146 by 123.
    EXPECT_EQ(30u, GridLayout(Screen, 30).size());
    EXPECT_TRUE(GridLayout(Screen, 37).empty());
    // Exactly 120 by 140 still fits; one pixel less does not.
    EXPECT_EQ(4u, GridLayout(TWindowRect{0, 0, 240, 280}, 4).size());
    EXPECT_TRUE(GridLayout(TWindowRect{0, 0, 239, 280}, 4).empty());
    EXPECT_TRUE(GridLayout(TWindowRect{0, 0, 240, 279}, 4).empty());
    EXPECT_TRUE(GridLayout(Screen, 0).empty());
    EXPECT_TRUE(GridLayout(Screen, 500).empty());
}

TEST(StackedLayout, FullWidthOneBelowTheOtherTheLastTakingTheRest) {
    auto R = StackedLayout(TWindowRect{5, 7, 805, 1007}, 7); // 1000 high: 142 each, 6 over
    ASSERT_EQ(7u, R.size());
    ExpectRect(R[0], 5, 7, 800, 142);
    ExpectRect(R[5], 5, 7 + 5 * 142, 800, 142);
    ExpectRect(R[6], 5, 7 + 6 * 142, 800, 148);
    EXPECT_EQ(5u, StackedLayout(Screen, 5).size()); // 147 high
    EXPECT_TRUE(StackedLayout(Screen, 6).empty());  // 123 high
    EXPECT_TRUE(StackedLayout(TWindowRect{0, 0, 119, 738}, 1).empty());
}

TEST(SideBySideLayout, FullHeightLeftToRightTheLastTakingTheRest) {
    auto R = SideBySideLayout(Screen, 3);
    ASSERT_EQ(3u, R.size());
    ExpectRect(R[0], 0, 0, 341, 738);
    ExpectRect(R[1], 341, 0, 341, 738);
    ExpectRect(R[2], 682, 0, 342, 738);
    EXPECT_EQ(8u, SideBySideLayout(Screen, 8).size()); // 128 wide
    EXPECT_TRUE(SideBySideLayout(Screen, 9).empty());  // 113 wide
    EXPECT_TRUE(SideBySideLayout(TWindowRect{0, 0, 1024, 139}, 1).empty());
}

TEST(CascadeLayout, StepsDownAndRightAndStartsAgainBeforeTheEdges) {
    // 768 by 522 windows: a left edge past 246 or a top past 206 would reach beyond the
    // right or bottom edge less 10, so the eleventh (top 220) starts again at the corner.
    const TWindowRect Area{0, 30, 1024, 768};
    auto R = CascadeLayout(Area, 12, 22);
    ASSERT_EQ(12u, R.size());
    for (int I = 0; I < 10; ++I) ExpectRect(R[I], I * 22, 30 + I * 22, 768, 522);
    ExpectRect(R[10], 0, 30, 768, 522);
    ExpectRect(R[11], 22, 52, 768, 522);
}

TEST(CascadeLayout, NarrowAreaWrapsOnTheRightEdge) {
    // 400 wide: 300-wide windows wrap once the left edge passes 90.
    auto R = CascadeLayout(TWindowRect{0, 0, 400, 2000}, 6, 30);
    ASSERT_EQ(6u, R.size());
    EXPECT_EQ(90, R[3].Left);
    EXPECT_EQ(0, R[4].Left);
    EXPECT_EQ(0, R[4].Top);
    EXPECT_EQ(30, R[5].Left);
}
