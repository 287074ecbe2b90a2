// The score window's observable behaviour: sliding, dropped puts and shifts all change later reads.
#include "engine/scorewindow.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace tandem {
namespace {

constexpr int64_t kK = 10;

TEST(ScoreWindow, StoresAndForgetsUnknownPairs) {
    ScoreWindow window(kK);
    EXPECT_EQ(window.Get(0, 0), -1);
    window.Put(3, 4, 77);
    EXPECT_EQ(window.Get(3, 4), 77);
    EXPECT_EQ(window.Get(4, 3), -1);
    EXPECT_EQ(window.Get(kK + 1, 0), -1);
}

TEST(ScoreWindow, PutAheadSlidesAndClearsTheRowsThatLeave) {
    ScoreWindow window(kK);
    for (int row = 0; row <= kK; ++row)
        window.Put(row, 0, row);
    window.Put(kK + 5, 0, 50);
    EXPECT_EQ(window.Get(3, 0), -1);
    window.Put(3, 0, 99); // behind the window: dropped
    EXPECT_EQ(window.Get(3, 0), -1);
    EXPECT_EQ(window.Get(5, 0), 5);
    EXPECT_EQ(window.Get(kK, 0), kK);
    EXPECT_EQ(window.Get(kK + 5, 0), 50);
    // The rows that came in reuse cleared cells and read as unknown.
    EXPECT_EQ(window.Get(kK + 1, 0), -1);
}

TEST(ScoreWindow, JumpBeyondTheWholeWindowClearsEverything) {
    ScoreWindow window(kK);
    for (int row = 0; row <= kK; ++row)
        window.Put(row, row, 40);
    window.Put(5 * kK + 3, 2, 60);
    for (int64_t row = 4 * kK + 3; row < 5 * kK + 3; ++row)
        EXPECT_EQ(window.Get(row, 2), -1);
    EXPECT_EQ(window.Get(5 * kK + 3, 2), 60);
    window.Put(5 * kK + 4, 3, 61);
    EXPECT_EQ(window.Get(5 * kK + 4, 3), 61);
}

TEST(ScoreWindow, ColumnsSlideLikeRows) {
    ScoreWindow window(kK);
    window.Put(0, 2, 20);
    window.Put(0, 5, 50);
    window.Put(0, kK + 3, 30); // columns 0..2 leave
    EXPECT_EQ(window.Get(0, 2), -1);
    EXPECT_EQ(window.Get(0, 5), 50);
    window.Put(1, 1, 10); // behind the columns: dropped
    EXPECT_EQ(window.Get(1, 1), -1);
}

TEST(ScoreWindow, ShiftRowsMakesCachedRowsAnswerForTheNextIndex) {
    ScoreWindow window(kK);
    window.Put(kK + 3, 0, 1); // base b = 3
    for (int row = 3; row <= 8; ++row)
        window.Put(row, 1, row * 10);
    window.ShiftRows(5);             // at b + 2
    EXPECT_EQ(window.Get(3, 1), -1); // now before the base
    EXPECT_EQ(window.Get(4, 1), 30); // what row 3 had
    EXPECT_EQ(window.Get(5, 1), 40); // the inserted line answers with the row before it
    EXPECT_EQ(window.Get(6, 1), -1); // the cleared row: the line that was at 5
    EXPECT_EQ(window.Get(7, 1), 60); // what row 6 had
    EXPECT_EQ(window.Get(9, 1), 80);
    window.ShiftRows(100); // outside the window: nothing happens
    EXPECT_EQ(window.Get(9, 1), 80);
}

TEST(ScoreWindow, ShiftColumnsFollowsColumns) {
    ScoreWindow window(kK);
    window.Put(0, 2, 20);
    window.Put(0, 3, 30);
    window.ShiftColumns(3);
    EXPECT_EQ(window.Get(0, 3), 20);
    EXPECT_EQ(window.Get(0, 4), -1);
}

// Clearing by generations must not bring old scores back after many clears of the same cells.
TEST(ScoreWindow, LongSlidesNeverResurrectOldScores) {
    ScoreWindow window(3);
    for (int64_t step = 0; step < 5000; ++step) {
        EXPECT_EQ(window.Get(step, step), -1) << step;
        window.Put(step, step, static_cast<int32_t>(step % 100));
        EXPECT_EQ(window.Get(step, step), step % 100);
    }
}

TEST(ScoreWindow, HugeWindowsStoreOnlyWhatIsScored) {
    ScoreWindow window(int64_t{1500000});
    window.Put(10, 20, 55);
    window.Put(1499999, 1, 44);
    EXPECT_EQ(window.Get(10, 20), 55);
    EXPECT_EQ(window.Get(1499999, 1), 44);
    window.ShiftRows(5);
    EXPECT_EQ(window.Get(11, 20), 55);
    window.Put(4000000, 20, 12); // slides past the row of 11
    EXPECT_EQ(window.Get(11, 20), -1);
    EXPECT_EQ(window.Get(4000000, 20), 12);
}

// A strip along a row or a column answers every pair as Get does, whatever the window went
// through before it was taken: puts (scores, below Depth, values kept aside), slides, shifts.
void ExpectStripsAnswerAsGet(int64_t k, unsigned seed) {
    ScoreWindow window(k);
    std::mt19937 random(seed);
    const int64_t reach = 6 * k;
    std::vector<std::pair<int64_t, int64_t>> putPairs;
    for (int step = 0; step < 4000; ++step) {
        const int64_t row = static_cast<int64_t>(random() % reach) + step / 8;
        const int64_t col = static_cast<int64_t>(random() % reach) + step / 8;
        const unsigned action = random() % 20;
        if (action == 0)
            window.ShiftRows(row);
        else if (action == 1)
            window.ShiftColumns(col);
        else
            window.Put(row, col, action == 2 ? kBelowDepth : action == 3 ? 300 : action * 5);
        putPairs.emplace_back(row, col);
        if (step % 200 != 199)
            continue;
        // A score outside 0..252 is kept aside in flat cells, and a strip leaves it to Get.
        auto expectAnswer = [](int32_t fromStrip, int32_t fromGet) {
            return fromStrip == fromGet || (fromGet == 300 && fromStrip == kNoScore);
        };
        // Pairs around where the puts went, each line's strip taken after all the changes.
        for (int sample = 0; sample < 3000; ++sample) {
            int64_t line = step / 8 - 2 + static_cast<int64_t>(random() % (reach + 2));
            int64_t other = step / 8 - 2 + static_cast<int64_t>(random() % (reach + 2));
            if (sample % 2 == 0) // most random pairs were never put
                std::tie(line, other) = putPairs[random() % putPairs.size()];
            ASSERT_TRUE(expectAnswer(window.RowStrip(line).Get(other), window.Get(line, other)))
                << "row " << line << ", column " << other;
            ASSERT_TRUE(expectAnswer(window.ColumnStrip(other).Get(line), window.Get(line, other)))
                << "row " << line << ", column " << other;
        }
    }
}

TEST(ScoreWindow, StripsAnswerAsGetDoes) {
    ExpectStripsAnswerAsGet(10, 1);
    ExpectStripsAnswerAsGet(70, 2);   // several tiles, a ring that wraps inside them
    ExpectStripsAnswerAsGet(5000, 3); // a map of pairs instead of flat cells
}

// Marks every index of the strip in first .. last except those in `except`.
void MarkAll(ScoreWindow::Strip strip, int64_t first, int64_t last,
             std::vector<int64_t> except = {}) {
    for (int64_t index = first; index <= last; ++index)
        if (std::find(except.begin(), except.end(), index) == except.end())
            strip.MarkReject(index);
}

TEST(ScoreWindow, MarkedProbesArePassedOverUpToTheFirstUnmarkedOne) {
    ScoreWindow window(300);
    window.Put(400, 400, 10); // the ring has turned, so physical positions wrap inside the range
    MarkAll(window.RowStrip(150), 110, 390, {250});
    EXPECT_EQ(window.RowStrip(150).FirstUnmarked(110, 390), 250);
    EXPECT_EQ(window.RowStrip(150).FirstUnmarked(251, 380), 380);
    EXPECT_EQ(window.RowStrip(150).FirstUnmarked(251, 395), 391);
    // Past the window's last column nothing is cached, and so nothing is marked.
    MarkAll(window.RowStrip(150), 391, 420);
    EXPECT_EQ(window.RowStrip(150).FirstUnmarked(391, 420), 401);
    // Rows and columns keep their own marks.
    EXPECT_EQ(window.RowStrip(151).FirstUnmarked(110, 390), 110);
    EXPECT_EQ(window.ColumnStrip(150).FirstUnmarked(110, 390), 110);
    MarkAll(window.ColumnStrip(150), 120, 130);
    EXPECT_EQ(window.ColumnStrip(150).FirstUnmarked(120, 200), 131);
}

TEST(ScoreWindow, MarksGoWithTheCellsTheyWereLearntFrom) {
    ScoreWindow window(300);
    MarkAll(window.RowStrip(10), 0, 299);
    MarkAll(window.ColumnStrip(20), 0, 299);
    // Sliding the columns clears the ones that leave, and with them the marks of every row for
    // the group of 64 columns each belongs to.
    window.Put(0, 302, 5);
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(2, 300), 2);
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(64, 300), 300);
    EXPECT_EQ(window.ColumnStrip(20).FirstUnmarked(0, 299), 299); // the column's own marks stay
    // A line inserted into the right list: the columns up to it answer for other lines now.
    MarkAll(window.RowStrip(10), 64, 301);
    EXPECT_TRUE(window.ShiftColumns(100));
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(90, 300), 90);
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(102, 300), 102); // its group was cleared
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(200, 300), 300); // the others moved with it
    // Rows given other text, and cells worked out again, take their marks with them.
    MarkAll(window.RowStrip(10), 200, 301);
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(200, 300), 300);
    window.ForgetRejectsOfRow(10);
    EXPECT_EQ(window.RowStrip(10).FirstUnmarked(200, 300), 200);
    MarkAll(window.RowStrip(11), 200, 301);
    window.ResolveBelowDepth([](int64_t, int64_t) { return 0; });
    EXPECT_EQ(window.RowStrip(11).FirstUnmarked(200, 300), 200);
}

} // namespace
} // namespace tandem
