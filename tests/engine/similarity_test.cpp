#include "engine/scorecells.h"
#include "engine/similarity.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>

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

// Scoring that may stop below Depth agrees with full scoring wherever the score reaches Depth,
// and the profiles' bound never turns away a pair that reaches it.
TEST(LineScoreFrom, StopsOnlyBelowDepth) {
    std::mt19937 random(20261209);
    const std::string alphabets[] = {"ab", "abc ", "abcdefgh", "aAbB01 ,;"};
    auto randomText = [&](const std::string& alphabet) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string& alphabet = alphabets[round % 4];
        std::string a = randomText(alphabet);
        // Half the pairs are edits of each other, so that scores near every Depth occur.
        std::string b = round % 2 ? randomText(alphabet) : a;
        if (round % 2 == 0 && !b.empty())
            for (int edit = 0; edit < static_cast<int>(random() % 8); ++edit)
                b[random() % b.size()] = alphabet[random() % alphabet.size()];
        const int32_t exact = LineScore(a, b);
        const ByteProfile profileA = ProfileOf(a);
        const ByteProfile profileB = ProfileOf(b);
        for (int32_t depth = 0; depth <= 100; depth += 5) {
            const int32_t bounded = LineScoreFrom(a, b, depth, nullptr);
            if (exact >= depth) {
                ASSERT_EQ(bounded, exact) << '"' << a << "\" / \"" << b << "\" depth " << depth;
            } else {
                ASSERT_TRUE(bounded == kBelowDepth || bounded == exact) << a << " / " << b;
            }
            if (ProfilesScoreBelow(profileA, profileB, static_cast<int64_t>(a.size()),
                                   static_cast<int64_t>(b.size()), depth)) {
                ASSERT_LT(exact, depth) << '"' << a << "\" / \"" << b << "\" depth " << depth;
            }
        }
    }
}

// Texts of m a's followed by b's or by c's match exactly their m a's, which is all their profiles
// have in common, so the bound must answer exactly whether such a pair scores below depth, for
// every length a profile counts in full (up to 255) and whatever pairs of lengths were asked about
// before.
TEST(ByteProfile, BoundIsExactWhereTheProfilesTellEverything) {
    for (int32_t depth : {30, 50, 51, 99, 100}) {
        for (int64_t lengthA = 1; lengthA <= 255; lengthA += 3) {
            for (int64_t lengthB = 1; lengthB <= 255; lengthB += 7) {
                const int64_t shorter = std::min(lengthA, lengthB);
                for (int64_t matched :
                     {int64_t{0}, shorter / 2, shorter * 3 / 4, shorter - 1, shorter}) {
                    const std::string a = std::string(static_cast<size_t>(matched), 'a') +
                                          std::string(static_cast<size_t>(lengthA - matched), 'b');
                    const std::string b = std::string(static_cast<size_t>(matched), 'a') +
                                          std::string(static_cast<size_t>(lengthB - matched), 'c');
                    ASSERT_EQ(
                        ProfilesScoreBelow(ProfileOf(a), ProfileOf(b), lengthA, lengthB, depth),
                        LineScore(a, b) < depth)
                        << matched << " of " << lengthA << " and " << lengthB << ", depth "
                        << depth;
                }
            }
        }
    }
}

TEST(ByteProfile, CountsPastTheirLimitBoundNothing) {
    const std::string longRun(300, 'a');
    const ByteProfile saturated = ProfileOf(longRun);
    EXPECT_TRUE(saturated.saturated);
    EXPECT_FALSE(ProfilesScoreBelow(saturated, ProfileOf("b"), 300, 1, 50));
    EXPECT_TRUE(ProfilesScoreBelow(ProfileOf("aaaa"), ProfileOf("bbbb"), 4, 4, 50));
}

} // namespace
} // namespace tandem
