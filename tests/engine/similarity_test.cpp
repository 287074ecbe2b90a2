#include "engine/similarity.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

struct ScoreCase {
    const char* a;
    const char* b;
    int32_t score;
};

void PrintTo(const ScoreCase& c, std::ostream* out) {
    *out << '"' << c.a << "\" vs \"" << c.b << "\" = " << c.score;
}

class LineScoreCases : public testing::TestWithParam<ScoreCase> {};

TEST_P(LineScoreCases, ScoresBothWays) {
    const ScoreCase& c = GetParam();
    EXPECT_EQ(LineScore(c.a, c.b), c.score) << c.a << " / " << c.b;
    EXPECT_EQ(LineScore(c.b, c.a), c.score) << c.b << " / " << c.a;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LineScoreCases,
    testing::Values(ScoreCase{"", "", 100}, ScoreCase{"", "abc", 0}, ScoreCase{"abc", "abc", 100},
                    ScoreCase{"abc", "axbc", 87}, // front a, back c and b
                    ScoreCase{"x", "y", 0},       // one-character middles are not examined
                    ScoreCase{"abcd", "abxd", 75}, ScoreCase{"aa", "a", 75},
                    ScoreCase{"foo bar baz", "foo", 63},
                    // The middles "xaby" and "abz" match a and b by skipping ahead.
                    ScoreCase{"qxabyq", "qabzq", 73}));

TEST(MatchCount, CountsFrontBackAndSkippedMatches) {
    EXPECT_EQ(MatchCount("abc", "axbc"), 3);
    EXPECT_EQ(MatchCount("", "a"), 0);
    EXPECT_EQ(MatchCount("abcdef", "abcdef"), 6);
    EXPECT_EQ(MatchCount("kxyzk", "kzyxk"), 3);
}

TEST(SkipMatch, PendingPiecesAreComparedWhenBothSidesHaveOne) {
    EXPECT_EQ(SkipMatch("", "abc"), 0);
    EXPECT_EQ(SkipMatch("abc", "abc"), 3);
    EXPECT_EQ(SkipMatch("xabc", "abc"), 3);
    EXPECT_EQ(SkipMatch("ab", "ba"), 0); // the pieces "a" and "b" share nothing
    EXPECT_EQ(SkipMatch("pq", "rs"), 0);
}

// Scores must stay exact on long lines, where the recursion goes deep.
TEST(LineScore, LongUnrelatedLinesScoreWithoutTrouble) {
    std::string a;
    std::string b;
    for (int i = 0; i < 4000; ++i) {
        a += static_cast<char>('a' + i % 23);
        b += static_cast<char>('a' + (i * 7) % 19);
    }
    int32_t score = LineScore(a, b);
    EXPECT_GE(score, 0);
    EXPECT_LT(score, 100);
    EXPECT_EQ(LineScore(b, a), score);
}

// Beyond 21 MB a line's matched count times 100 no longer fits in 32 bits. One buffer serves as
// both lines: a run of N a's, then "xy"; the left line ends with the x, the right one starts a byte
// later, so they share N matched characters out of N + 1 each.
TEST(LineScore, LinesLongerThanTwentyOneMegabytesScoreWithoutOverflow) {
    constexpr size_t kRun = 22'000'000;
    std::string buffer(kRun, 'a');
    buffer += "xy";
    const std::string_view left(buffer.data(), kRun + 1);
    const std::string_view right(buffer.data() + 1, kRun + 1);
    EXPECT_EQ(MatchCount(left, right), static_cast<int64_t>(kRun));
    EXPECT_EQ(LineScore(left, right), 99);
}

} // namespace
} // namespace tandem
