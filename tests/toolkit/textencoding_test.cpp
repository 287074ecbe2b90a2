// SPDX-License-Identifier: GPL-3.0-or-later
// Files as text: UTF-16 and UTF-32 with a byte-order mark decode to UTF-8 and encode back byte
// for byte, broken ones never pass for text, and zero bytes near the start make a file binary.
#include "toolkit/textencoding.h"

#include <gtest/gtest.h>
#include <string>

namespace tandem {
namespace {

using namespace std::string_literals;

// "a", the euro sign, a face beyond the first plane, CR LF, "b", a lone CR, "c", LF.
const std::string kUtf8Text = "a\xE2\x82\xAC\xF0\x9F\x98\x80\r\nb\rc\n";

struct WideCase {
    const char* name;
    WideEncoding encoding;
    std::string file;
};

void PrintTo(const WideCase& c, std::ostream* out) {
    *out << c.name;
}

class WideFileTest : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideFileTest, DecodesToUtf8AndEncodesBackByteForByte) {
    const WideCase& c = GetParam();
    const FileText read = ReadFileText(c.file);
    EXPECT_EQ(read.encoding, c.encoding);
    EXPECT_FALSE(read.binary) << read.binaryReason;
    EXPECT_EQ(read.TextOf(c.file), kUtf8Text);
    EXPECT_EQ(EncodeWide(kUtf8Text, c.encoding), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, WideFileTest,
    ::testing::Values(
        WideCase{"Utf16Le", WideEncoding::Utf16Le,
                 "\xFF\xFE"
                 "a\0\xAC\x20\x3D\xD8\x00\xDE\r\0\n\0b\0\r\0c\0\n\0"s},
        WideCase{"Utf16Be", WideEncoding::Utf16Be,
                 "\xFE\xFF"
                 "\0a\x20\xAC\xD8\x3D\xDE\x00\0\r\0\n\0b\0\r\0c\0\n"s},
        WideCase{
            "Utf32Le", WideEncoding::Utf32Le,
            "\xFF\xFE\0\0"
            "a\0\0\0\xAC\x20\0\0\x00\xF6\x01\0\r\0\0\0\n\0\0\0b\0\0\0\r\0\0\0c\0\0\0\n\0\0\0"s},
        WideCase{
            "Utf32Be", WideEncoding::Utf32Be,
            "\0\0\xFE\xFF"
            "\0\0\0a\0\0\x20\xAC\0\x01\xF6\x00\0\0\0\r\0\0\0\n\0\0\0b\0\0\0\r\0\0\0c\0\0\0\n"s}),
    [](const auto& info) { return std::string(info.param.name); });

struct BrokenCase {
    const char* name;
    std::string file;
    const char* reasonPart; // what the reason must say, besides the encoding
};

void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenWideFileTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenWideFileTest, IsBinaryWithTheReasonAndNoText) {
    const BrokenCase& c = GetParam();
    const FileText read = ReadFileText(c.file);
    EXPECT_TRUE(read.binary);
    EXPECT_EQ(read.encoding, WideEncoding::None);
    EXPECT_EQ(read.TextOf(c.file), c.file); // compared by its bytes alone
    EXPECT_NE(read.binaryReason.find(c.reasonPart), std::string::npos) << read.binaryReason;
    EXPECT_NE(read.binaryReason.find("byte-order mark of UTF-"), std::string::npos)
        << read.binaryReason;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenWideFileTest,
    ::testing::Values(
        BrokenCase{"OddLength",
                   "\xFF\xFE"
                   "a\0b"s,
                   "whole number of 2-byte units"},
        BrokenCase{"HighSurrogateAtTheEnd",
                   "\xFF\xFE"
                   "a\0\x3D\xD8"s,
                   "lone surrogate at byte 4"},
        BrokenCase{"LowSurrogateAlone", "\xFE\xFF\0a\xDE\x00\0b"s, "lone surrogate at byte 4"},
        BrokenCase{"HighSurrogateBeforeAnotherCharacter",
                   "\xFF\xFE\x3D\xD8"
                   "a\0"s,
                   "lone surrogate at byte 2"},
        BrokenCase{"BeyondTheLastCodePoint", "\0\0\xFE\xFF\0\x11\0\0"s,
                   "beyond U+10FFFF at byte 4"},
        BrokenCase{"Utf32Surrogate", "\0\0\xFE\xFF\0\0\0a\0\0\xD8\0"s, "surrogate value at byte 8"},
        BrokenCase{"Utf32Cut", "\0\0\xFE\xFF\0\0\0a\0\0"s, "whole number of 4-byte units"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileText, TheUtf32LittleEndianMarkComesFirstAndUtf16IsTriedWhenItFails) {
    const std::string utf32 = "\xFF\xFE\0\0"
                              "a\0\0\0"s;
    EXPECT_EQ(ReadFileText(utf32).encoding, WideEncoding::Utf32Le);
    // Six bytes are no UTF-32: a UTF-16 LE file whose first character is U+0000.
    const std::string utf16 = "\xFF\xFE\0\0a\0"s;
    const FileText read = ReadFileText(utf16);
    EXPECT_EQ(read.encoding, WideEncoding::Utf16Le);
    EXPECT_EQ(read.wideText, "\0a"s);
    EXPECT_EQ(EncodeWide(read.wideText, WideEncoding::Utf16Le), utf16);
}

TEST(FileText, AZeroByteInTheFirst8KiBMakesAFileBinary) {
    const FileText early = ReadFileText("PK\3\4\0\0data"s);
    EXPECT_TRUE(early.binary);
    EXPECT_EQ(early.binaryReason, "it has a zero byte in its first 8 KiB");
    EXPECT_TRUE(ReadFileText(std::string(kBinaryProbeBytes - 1, 'a') + '\0').binary);
    EXPECT_FALSE(ReadFileText(std::string(kBinaryProbeBytes, 'a') + '\0').binary);
    EXPECT_FALSE(ReadFileText("").binary);
    EXPECT_FALSE(ReadFileText("gr\xFC\xDF\n").binary);
}

TEST(FileText, ABrokenMarkedFileWithoutZeroBytesIsTakenAsItsOwnBytes) {
    // A Latin-1 file may start with the characters of a mark; it is text when it holds no zero.
    const std::string latin1 = "\xFF\xFE"
                               "abc";
    const FileText read = ReadFileText(latin1);
    EXPECT_FALSE(read.binary);
    EXPECT_EQ(read.encoding, WideEncoding::None);
    EXPECT_EQ(read.TextOf(latin1), latin1);
}

TEST(FileText, TextWithBytesThatAreNoUtf8KeepsThemAsLatin1Characters) {
    EXPECT_EQ(EncodeWide("caf\xE9", WideEncoding::Utf16Le), "\xFF\xFE"
                                                            "c\0a\0f\0\xE9\0"s);
    EXPECT_EQ(EncodeWide("\xE2\x82", WideEncoding::Utf16Be), "\xFE\xFF\0\xE2\0\x82"s);
}

TEST(FileText, Utf8CheckRejectsBrokenSequences) {
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
