#include <gtest/gtest.h>

#include "stations/row_cursor.h"

namespace {

// Steps the cursor n frames with the given keys held; counts the frames that
// read the input.
int step(GameState& s, int n, std::uint16_t letzteZeile) {
    int gelesen = 0;
    for (int i = 0; i < n; ++i) gelesen += rowCursorStep(s, letzteZeile) ? 1 : 0;
    return gelesen;
}

TEST(RowCursor, AHeldKeyMovesOneRowEveryFourthFrameAndStopsAtTheEnds) {
    GameState s;
    s.down = 1;
    EXPECT_EQ(step(s, 3, 12), 0);
    EXPECT_EQ(s.zeig, 0);
    EXPECT_EQ(step(s, 1, 12), 1);
    EXPECT_EQ(s.zeig, 1);
    step(s, 4 * 20, 12);
    EXPECT_EQ(s.zeig, 12);  // the last row, never past it
    s.down = 0;
    s.mouseUp = 1;
    step(s, 4 * 20, 12);
    EXPECT_EQ(s.zeig, 0);  // and never above the first
}

TEST(RowCursor, UpAndDownTogetherCancelAndARowBelowTheListStaysUntilMovedUp) {
    GameState s;
    s.zeig = 5;
    s.up = 1;
    s.mouseDown = 1;
    step(s, 4, 15);
    EXPECT_EQ(s.zeig, 5);
    s.up = 0;
    s.zeig = 15;  // left over from the trade station
    step(s, 8, 12);
    EXPECT_EQ(s.zeig, 15);
}

TEST(Income, StopsAtTheLargestSumInsteadOfWrapping) {
    GameState s;
    s.geld = INT32_MAX - 10;
    addIncome(s, 25);
    EXPECT_EQ(s.geld, INT32_MAX);
    addIncome(s, -100);
    EXPECT_EQ(s.geld, INT32_MAX - 100);
}

}  // namespace
