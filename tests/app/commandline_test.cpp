// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QProcess>
#include <QProcessEnvironment>
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

TEST(ReadCommandLine, HelpAndVersionAndUnknownOptions) {
    const QString program = QStringLiteral("tandemview");
    const auto action = [&](QStringList arguments) {
        arguments.prepend(program);
        return ReadCommandLine(arguments).action;
    };
    EXPECT_EQ(action({}), CommandLineAction::Compare);
    EXPECT_EQ(action({"a.txt", "b.txt"}), CommandLineAction::Compare);
    EXPECT_EQ(action({"--help"}), CommandLineAction::ShowHelp);
    EXPECT_EQ(action({"a.txt", "-h"}), CommandLineAction::ShowHelp);
    EXPECT_EQ(action({"--version"}), CommandLineAction::ShowVersion);
    EXPECT_EQ(action({"-v", "--help"}), CommandLineAction::ShowHelp);
    EXPECT_EQ(action({"--bogus", "--version"}), CommandLineAction::ShowVersion);
    // A lone "-", an empty argument and anything after "--" follow the file-name rules.
    EXPECT_EQ(action({"-", "", "a.txt"}), CommandLineAction::Compare);
    EXPECT_EQ(action({"--", "-x", "--help"}), CommandLineAction::Compare);
    const CommandLineRequest refused = ReadCommandLine({program, "a.txt", "--frobnicate", "-x"});
    EXPECT_EQ(refused.action, CommandLineAction::RefuseOption);
    EXPECT_EQ(refused.refused, QStringLiteral("--frobnicate"));
#ifndef Q_OS_WIN
    EXPECT_EQ(action({"/tmp/a", "/tmp/b"}), CommandLineAction::Compare);
#endif
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// The built program, headless and with the test's own home, so that no window is left open.
ProgramRun RunTandemview(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TANDEMVIEW_PATH), arguments);
    constexpr int kPatienceMs = 30000;
    if (!process.waitForFinished(kPatienceMs))
        process.kill();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(TandemviewProgram, PrintsHelpAndVersionAndRefusesUnknownOptions) {
    const ProgramRun help = RunTandemview({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: tandemview [LEFT [RIGHT]]\n")));
    EXPECT_EQ(help.err, QString());

    const ProgramRun version = RunTandemview({QStringLiteral("-v")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("tandemview (Tandemview) " TANDEM_VERSION "\n"));

    // Qt's own options are Qt's; the rest must be known.
    const ProgramRun unknown = RunTandemview(
        {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")});
    EXPECT_EQ(unknown.status, 2);
    // Qt may warn about the test machine's run-time folder before; the message is the last line.
    const std::string message = "tandemview: --bogus: unknown option (see --help)\n";
    const std::string err = unknown.err.toStdString();
    EXPECT_TRUE(err.size() >= message.size() && err.substr(err.size() - message.size()) == message)
        << err;
    EXPECT_EQ(unknown.out, QString());
}

} // namespace
} // namespace tandem
