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
        FileCase{"Utf16LittleEndian",
                 std::string("\xFF\xFE"
                             "a\0\r\0\n\0\xFC\0\r\0\n\0",
                             14),
                 "a\n\xC3\xBC",
                 {true, LineEnd::CrLf, true, false, WideEncoding::Utf16Le}},
        FileCase{"Utf32BigEndianWithoutFinalLineEnd",
                 std::string("\0\0\xFE\xFF\0\0\0a\0\0\0\n\0\0\x20\xAC", 16),
                 "a\n\xE2\x82\xAC",
                 {true, LineEnd::Lf, false, false, WideEncoding::Utf32Be}}),
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

TEST(PaneFile, AWideFileKeepsEachLinesOwnLineEndAndNewLinesAreWrittenInItsEncoding) {
    const std::string file("\xFE\xFF\0a\0\r\0\n\0b\0\n\0c\0\r\0\n", 18);
    const PaneText decoded = DecodeFile(file);
    EXPECT_EQ(decoded.text, "a\nb\nc");
    EXPECT_EQ(EncodeFile(decoded.text, decoded.format, decoded.rows), file);
    // A Latin-1 line copied in arrives as UTF-8; the file stays UTF-16 BE.
    EXPECT_EQ(EncodeFile("a\ncaf\xC3\xA9\nc\nnew", decoded.format, decoded.rows),
              std::string("\xFE\xFF\0a\0\r\0\n\0c\0a\0f\0\xE9\0\n\0c\0\r\0\n"
                          "\0n\0e\0w\0\r\0\n",
                          34));
}

TEST(PaneFile, ABinaryFileGivesNoTextAndSaysWhy) {
    const PaneText decoded = DecodeFile(std::string("\x7F"
                                                    "ELF\2\1\1\0\0\0",
                                                    10));
    EXPECT_TRUE(decoded.format.Binary());
    EXPECT_EQ(decoded.format.binaryReason, "it has a zero byte in its first 8 KiB");
    EXPECT_EQ(decoded.text, "");
    EXPECT_TRUE(decoded.rows.empty());
}

} // namespace
} // namespace tandem
