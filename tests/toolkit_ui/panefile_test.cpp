// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/panefile.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

struct FileCase {
    const char* name;
    std::string bytes;
    std::string paneText;
    FileFormat format;
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class PaneFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(PaneFileTest, DecodesToLfAndWritesTheSameBytesBack) {
    const FileCase& c = GetParam();
    const PaneText decoded = DecodeFile(c.bytes);
    EXPECT_EQ(decoded.text, c.paneText);
    EXPECT_EQ(decoded.format, c.format);
    EXPECT_EQ(EncodeFile(decoded.text, decoded.format), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PaneFileTest,
    ::testing::Values(
        FileCase{"Empty", "", "", {true, LineEnd::None, false}},
        FileCase{"OnlyLineEnd", "\r\n", "", {true, LineEnd::CrLf, true}},
        FileCase{"CrLf", "a\r\nb\r\n", "a\nb", {true, LineEnd::CrLf, true}},
        FileCase{"Lf", "a\nb\n", "a\nb", {true, LineEnd::Lf, true}},
        FileCase{"LoneCr", "a\rb\r", "a\nb", {true, LineEnd::Cr, true}},
        FileCase{"NoFinalLineEnd", "a\r\n\r\nb", "a\n\nb", {true, LineEnd::CrLf, false}},
        FileCase{"Utf8",
                 "gr\xC3\xBC\xC3\x9F\n\xE2\x82\xAC\n",
                 "gr\xC3\xBC\xC3\x9F\n\xE2\x82\xAC",
                 {true, LineEnd::Lf, true}},
        FileCase{"Latin1", "gr\xFC\xDF\r\nx", "gr\xFC\xDF\nx", {false, LineEnd::CrLf, false}},
        FileCase{"NulBytes",
                 std::string("a\0b\nc", 5),
                 std::string("a\0b\nc", 5),
                 {true, LineEnd::Lf, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaneFile, MixedLineEndsAreWrittenBackLineByLineAndNewLinesTakeTheMostCommon) {
    const PaneText decoded = DecodeFile("a\nb\r\nc\rd\r\n");
    EXPECT_EQ(decoded.text, "a\nb\nc\nd");
    EXPECT_EQ(decoded.format.lineEnd, LineEnd::CrLf);
    EXPECT_EQ(EncodeFile(decoded.text, decoded.format, decoded.rows), "a\nb\r\nc\rd\r\n");
    EXPECT_EQ(EncodeFile("a\nb\nc\nd\nnew", decoded.format, decoded.rows),
              "a\nb\r\nc\rd\r\nnew\r\n");
}

TEST(PaneFile, AByteOrderMarkStaysOutOfTheTextAndIsWrittenBack) {
    const PaneText decoded = DecodeFile("\xEF\xBB\xBF"
                                        "first\n");
    EXPECT_EQ(decoded.text, "first");
    EXPECT_TRUE(decoded.format.byteOrderMark);
    EXPECT_EQ(EncodeFile(decoded.text, decoded.format, decoded.rows), "\xEF\xBB\xBF"
                                                                      "first\n");
}

TEST(PaneFile, ALatin1FileWrittenAsUtf8KeepsRowsThatHoldUtf8) {
    const PaneText decoded = DecodeFile("caf\xE9\nx\n");
    ASSERT_FALSE(decoded.format.utf8);
    std::vector<RowFormat> rows = decoded.rows;
    rows[1].utf8 = true;
    EXPECT_EQ(EncodeFile("caf\xE9\n\xE2\x82\xAC", decoded.format, rows, true),
              "caf\xC3\xA9\n\xE2\x82\xAC\n");
}

TEST(PaneFile, TextWithoutLineEndsGetsTheSystemsLineEndWhenLinesAreAdded) {
    const PaneText decoded = DecodeFile("single");
    EXPECT_EQ(EncodeFile("single\nadded", decoded.format), "single\nadded");
}

TEST(PaneFile, Utf8CheckRejectsBrokenSequences) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xE2\x82\xAC"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 \xED\x9F\xBF \xF4\x8F\xBF\xBF"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));         // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));         // overlong
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x28\xA1"));     // bad continuation
    EXPECT_FALSE(IsValidUtf8("\xFF"));
}

} // namespace
} // namespace tandem
