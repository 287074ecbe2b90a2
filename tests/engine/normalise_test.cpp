#include "engine/normalise.h"

#include <gtest/gtest.h>

#include <random>

namespace tandem {
namespace {

TEST(NormaliseLine, TrimsFoldsAndLowersOnlyAsciiLetters) {
    EXPECT_EQ(NormaliseLine("  Foo   BAR  ", true), "foo bar");
    EXPECT_EQ(NormaliseLine("  Foo   BAR  ", false), "Foo   BAR");
    EXPECT_EQ(NormaliseLine("   ", true), "");
    EXPECT_EQ(NormaliseLine(" ", true), " ");
    EXPECT_EQ(NormaliseLine("a\tB", true), "a\tb");
    EXPECT_EQ(NormaliseLine("A  b", true), "a b");
    EXPECT_EQ(NormaliseLine("a  ", true), "a");
    EXPECT_EQ(NormaliseLine("\xC3\x84Z", true), "\xC3\x84z");
}

// The line list skips building a key when a line is its own key; both must agree on every text.
TEST(NormaliseLine, OwnKeyAgreesWithNormalising) {
    std::mt19937 random(7);
    const std::string alphabet = "  aB\t";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int length = random() % 7; length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        if (IsOwnKey(text))
            EXPECT_EQ(NormaliseLine(text, true), text) << '"' << text << '"';
        else
            EXPECT_NE(NormaliseLine(text, true), text) << '"' << text << '"';
    }
}

} // namespace
} // namespace tandem
