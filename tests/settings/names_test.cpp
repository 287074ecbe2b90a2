// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/pairkey.h"
#include "settings/programname.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(ProgramName, IsTheFileNameCutBeforeItsFirstDot) {
    EXPECT_EQ(ProgramNameFromPath("C:\\Tools\\Compare.exe"), "Compare");
    EXPECT_EQ(ProgramNameFromPath("D:\\a.b.c.exe"), "a");
    EXPECT_EQ(ProgramNameFromPath("/usr/bin/tandemview"), "tandemview");
    EXPECT_EQ(ProgramNameFromPath("C:compare.exe"), "compare");
    EXPECT_EQ(ProgramNameFromPath("plain"), "plain");
    EXPECT_EQ(ProgramNameFromPath("/opt/.hidden"), "");
}

TEST(ProgramName, KeepsAtMostTheFirst64CharactersOfTheFileName) {
    const std::string seventy(70, 'n');
    EXPECT_EQ(ProgramNameFromPath("/bin/" + seventy), std::string(64, 'n'));
    // The dot past character 64 is already cut away.
    EXPECT_EQ(ProgramNameFromPath("/bin/" + std::string(64, 'x') + ".exe"), std::string(64, 'x'));
}

TEST(PairKey, IsTheXmodemChecksumInFourUpperCaseDigits) {
    EXPECT_EQ(Crc16Xmodem("123456789"), 0x31C3);
    using namespace std::string_view_literals;
    EXPECT_EQ(PairKey("1234"sv, "56789"sv), "31C3");
    EXPECT_EQ(PairKey(""sv, ""sv), "0000");
    EXPECT_EQ(PairKey(QString("1234"), QString("56789")), "31C3");
    const std::string key = PairKey("/home/a/left.txt"sv, "/home/a/right.txt"sv);
    EXPECT_EQ(key.size(), 4u);
    EXPECT_EQ(key.find_first_not_of("0123456789ABCDEF"), std::string::npos);
}

TEST(PairKey, CoversOnlyTheJoinedLengthModulo256) {
    EXPECT_EQ(PairKey(std::string(200, 'a'), std::string(56, 'b')), "0000");
    const std::string left = "/data/" + std::string(150, 'l');
    const std::string right = "/other/" + std::string(137, 'r');
    ASSERT_EQ(left.size() + right.size(), 300u);
    char expected[5];
    std::snprintf(expected, sizeof expected, "%04X",
                  unsigned(Crc16Xmodem((left + right).substr(0, 44))));
    EXPECT_EQ(PairKey(left, right), expected);
    EXPECT_NE(PairKey(left, right), PairKey(left, right + "x"));
}

} // namespace
} // namespace tandem
