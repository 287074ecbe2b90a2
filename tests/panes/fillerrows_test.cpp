// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/fillerrows.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

// Rows as the engine gives them: fillers are views of nothing, file lines views into a text.
std::vector<std::string_view> Rows(const char* pattern) {
    static const std::string text = "line";
    std::vector<std::string_view> rows;
    for (const char* at = pattern; *at; ++at)
        rows.push_back(*at == 'f' ? std::string_view() : std::string_view(text).substr(0, 0));
    return rows;
}

TEST(FillerRows, EmptyLinesOfTheFileAreNotFillers) {
    FillerRows fillers;
    fillers.Assign(Rows("lfl"));
    EXPECT_FALSE(fillers.IsFiller(0));
    EXPECT_TRUE(fillers.IsFiller(1));
    EXPECT_FALSE(fillers.IsFiller(2));
    EXPECT_FALSE(fillers.IsFiller(3));
    EXPECT_FALSE(fillers.IsFiller(-1));
}

TEST(FillerRows, RunsComeLastFirstSoDeletingKeepsEarlierRowsValid) {
    FillerRows fillers;
    fillers.Assign(Rows("ffllfffl"));
    const std::vector<std::pair<int, int>> expected = {{4, 6}, {0, 1}};
    EXPECT_EQ(fillers.RunsFromBottom(), expected);
}

TEST(FillerRows, LinesWrittenOverFillersAndDeletedRowsLeaveTheRecord) {
    FillerRows fillers;
    fillers.Assign(Rows("lffflf"));
    fillers.Forget(2, 2); // a line copied over row 2
    fillers.RemoveRow(0); // row 0 deleted: the rest move up
    const std::vector<std::pair<int, int>> expected = {{4, 4}, {2, 2}, {0, 0}};
    EXPECT_EQ(fillers.RunsFromBottom(), expected);
    fillers.Forget(0, 100);
    EXPECT_TRUE(fillers.Empty());
}

} // namespace
} // namespace tandem
