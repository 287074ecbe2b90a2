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

// A key is its own key, and keeps no blank run, edge blank or capital letter.
TEST(NormaliseLine, KeysAreTheirOwnKeys) {
    std::mt19937 random(7);
    const std::string alphabet = "  aB\t";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int length = random() % 7; length > 0; --length)
            text += alphabet[random() % alphabet.size()];
        std::string key = NormaliseLine(text, true);
        EXPECT_EQ(NormaliseLine(key, true), key) << '"' << text << '"';
        EXPECT_EQ(key.find("  "), std::string::npos) << '"' << text << '"';
        EXPECT_EQ(key.find('B'), std::string::npos) << '"' << text << '"';
        if (key.size() > 1) {
            EXPECT_NE(key.front(), ' ') << '"' << text << '"';
            EXPECT_NE(key.back(), ' ') << '"' << text << '"';
        }
    }
}

} // namespace
} // namespace tandem
