// Files are cut at CR LF, lone CR and lone LF, and every byte of every line is kept.
#include "toolkit/textlines.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tandem {
namespace {

std::vector<std::string> Lines(std::string_view bytes) {
    TextLines text = SplitLines(bytes);
    return {text.lines.begin(), text.lines.end()};
}

TEST(SplitLines, EveryLineEndStyleEndsALine) {
    EXPECT_EQ(Lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Lines("a\r\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(Lines("\n"), std::vector<std::string>{""});
}

TEST(SplitLines, FinalLineEndAddsNoLineAndEmptyFileHasNone) {
    EXPECT_TRUE(Lines("").empty());
    EXPECT_EQ(Lines("a\n"), std::vector<std::string>{"a"});
    EXPECT_FALSE(SplitLines("a").endsWithLineEnd);
    EXPECT_TRUE(SplitLines("a\r\n").endsWithLineEnd);
}

TEST(SplitLines, KeepsZeroBytesAndRecordsTheFirstLineEnd) {
    std::string bytes("x\0y\r\nz\n", 7);
    TextLines text = SplitLines(bytes);
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0], std::string_view("x\0y", 3));
    EXPECT_EQ(text.firstLineEnd, LineEnd::CrLf);
    EXPECT_EQ(SplitLines("a\nb\r\n").firstLineEnd, LineEnd::Lf);
    EXPECT_EQ(SplitLines("a\rb").firstLineEnd, LineEnd::Cr);
    EXPECT_EQ(SplitLines("ab").firstLineEnd, LineEnd::None);
}

// Many short lines in each style, and styles mixed at random, cut into the same lines.
TEST(SplitLines, ManyLinesInEveryStyleGiveTheSameLines) {
    constexpr int kLineCount = 200000;
    std::vector<std::string> expected;
    for (int i = 0; i < kLineCount; ++i)
        expected.push_back(i % 7 == 0 ? "" : "line " + std::to_string(i));
    const std::vector<std::string> styles = {"\n", "\r\n", "\r"};
    uint32_t seed = 12345;
    for (int style = 0; style <= 3; ++style) {
        std::string bytes;
        for (const std::string& line : expected) {
            seed = seed * 1103515245u + 12345u;
            std::string end = styles[style < 3 ? style : (seed >> 16) % 3];
            if (line.empty() && end == "\n" && !bytes.empty() && bytes.back() == '\r')
                end = "\r\n"; // a lone LF here would join the CR before it
            bytes += line + end;
        }
        EXPECT_EQ(Lines(bytes), expected) << "style " << style;
    }
}

} // namespace
} // namespace tandem
