// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

struct ArgumentsCase {
    const char* name;
    QStringList arguments;
    std::optional<QString> left;
    std::optional<QString> right;
};

void PrintTo(const ArgumentsCase& c, std::ostream* out) {
    *out << c.name;
}

class CommandLineTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(CommandLineTest, TakesFileNamesAndSkipsSwitches) {
    const ArgumentsCase& c = GetParam();
    const CommandLineFiles files = FilesFromArguments(c.arguments);
    EXPECT_EQ(files.left, c.left);
    EXPECT_EQ(files.right, c.right);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        ArgumentsCase{"Nothing", {"tandemview"}, std::nullopt, std::nullopt},
        ArgumentsCase{
            "SwitchesSkipped", {"tandemview", "-x", "--y", "a.txt"}, "a.txt", std::nullopt},
#ifdef Q_OS_WIN
        ArgumentsCase{"SlashSwitchesSkipped", {"tandemview", "/x", "a.txt"}, "a.txt", std::nullopt},
#else
        // An absolute path is a file name, not a switch.
        ArgumentsCase{
            "AbsolutePathsAreFiles", {"tandemview", "/tmp/a", "/tmp/b"}, "/tmp/a", "/tmp/b"},
#endif
        ArgumentsCase{
            "LastFurtherOneWins", {"tandemview", "a.txt", "b.txt", "c.txt"}, "a.txt", "c.txt"},
        ArgumentsCase{"EmptySkipped", {"tandemview", "", "a.txt", "", "b.txt"}, "a.txt", "b.txt"},
        ArgumentsCase{
            "ProgramNameIsNoFile", {"/usr/bin/tandemview", "--", "left"}, "left", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandem
