// Confirming that a line matches a line further on in the other file.
#include "engine/alignmentrun.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

struct Confirmation {
    bool accepted;
    int32_t score;
    int joined;
};

Confirmation Confirm(const std::vector<std::string_view>& left,
                     const std::vector<std::string_view>& right, int idx, int b,
                     CompareOptions options = {}) {
    LineList leftList(left);
    LineList rightList(right);
    ComparisonResult result;
    AlignmentRun run(leftList, rightList, options, result);
    Match match = run.ConfirmMatch(leftList.Key(idx), idx, leftList, rightList, b);
    return {match.accepted, match.score, match.joined};
}

TEST(ConfirmMatch, SplitLineMatchesTheJoinOfItsPieces) {
    Confirmation c = Confirm({"foo bar baz"}, {"foo", "bar", "baz"}, 0, 0);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.score, 100);
    EXPECT_EQ(c.joined, 2);
}

TEST(ConfirmMatch, EmptyPiecesAreSkippedWhileJoining) {
    Confirmation c = Confirm({"foo bar"}, {"foo", "", "bar", "x"}, 0, 0);
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.joined, 2);
}

TEST(ConfirmMatch, IncompleteJoinFallsBackToTheFirstScore) {
    Confirmation c = Confirm({"foo bar baz"}, {"foo", "qux"}, 0, 0);
    EXPECT_TRUE(c.accepted); // 63 reaches the depth of 50
    EXPECT_EQ(c.score, 63);
    EXPECT_EQ(c.joined, 0);
    EXPECT_FALSE(Confirm({"foo bar baz"}, {"foo", "qux"}, 0, 0, {70, 2000, {}}).accepted);
}

TEST(ConfirmMatch, EmptyLineNeverMatches) {
    Confirmation c = Confirm({"abc"}, {"", "abc"}, 0, 0);
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.score, 0);
    EXPECT_EQ(c.joined, 0);
}

TEST(ConfirmMatch, RepeatedLineNeedsTheNextLinesToAgreeToo) {
    Confirmation refused = Confirm({"alpha beta", "zzz"}, {"alpha beta", "", "alpha beta"}, 0, 0);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.score, 0);

    Confirmation held = Confirm({"alpha beta", "alpha beta!"}, {"alpha beta", "alpha beta"}, 0, 0);
    EXPECT_TRUE(held.accepted);
    EXPECT_EQ(held.score, 100);

    Confirmation nothingBelow = Confirm({"alpha beta", ""}, {"alpha beta", "alpha beta"}, 0, 0);
    EXPECT_FALSE(nothingBelow.accepted);
}

TEST(ConfirmMatch, DepthZeroAcceptsWithoutLookingAhead) {
    Confirmation c = Confirm({"abc", "zzz"}, {"xyz", "xyz"}, 0, 0, {0, 2000, {}});
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.score, 0);
}

} // namespace
} // namespace tandem
