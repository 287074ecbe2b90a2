// tandemdiff through its command line: the records format, the side-by-side view, exit statuses
// and the messages for files and options it cannot use.
#include "toolrun.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace tandem {
namespace {

// Four common lines, a changed line, three lines only on the right, then a common line again.
const std::string kLeft = "alpha\nbravo\ncharlie\ndelta\nx = 1;\nomega\n";
const std::string kRight = "alpha\nbravo\ncharlie\ndelta\nx = 2;\n111\n222\n333\nomega\n";

class TandemdiffTest : public ::testing::Test {
protected:
    ToolOutput Compare(const std::string& left, const std::string& right,
                       std::vector<std::string> options = {}) {
        options.push_back(run_.File("left.txt", left));
        options.push_back(run_.File("right.txt", right));
        return run_.Run(options);
    }

    ToolOutput Records(const std::string& left, const std::string& right,
                       std::vector<std::string> options = {}) {
        options.insert(options.begin(), "--records");
        return Compare(left, right, std::move(options));
    }

    ToolRun run_;
};

TEST_F(TandemdiffTest, RecordsAreByteExact) {
    const ToolOutput result = Records(kLeft, kRight);
    const std::string expected = "left-text 51\n"
                                 "alpha\r\nbravo\r\ncharlie\r\ndelta\r\nx = 1;\r\n"
                                 "\r\n\r\n\r\nomega\r\n\n"
                                 "right-text 60\n"
                                 "alpha\r\nbravo\r\ncharlie\r\ndelta\r\nx = 2;\r\n"
                                 "111\r\n222\r\n333\r\nomega\r\n\n"
                                 "left-marks 5\n"
                                 "4,16711680\n4,4,1,191\n5,14811135\n6,14811135\n7,14811135\n"
                                 "right-marks 5\n"
                                 "4,16711680\n4,4,1,191\n5,255\n6,255\n7,255\n"
                                 "blocks 2\n"
                                 "4,4,lr\n5,7,r\n";
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, kDifferent);
}

TEST_F(TandemdiffTest, RecordsUseTheGivenColours) {
    const ToolOutput result = Records(kLeft, kRight, {"--colors", "1,2,3,4"});
    EXPECT_NE(result.out.find("left-marks 5\n4,4\n4,4,1,3\n5,1\n6,1\n7,1\n"), std::string::npos);
    EXPECT_NE(result.out.find("right-marks 5\n4,4\n4,4,1,3\n5,2\n6,2\n7,2\n"), std::string::npos);
}

TEST_F(TandemdiffTest, ExitStatusSaysWhetherTheFilesDiffer) {
    EXPECT_EQ(Records(kLeft, kLeft).status, kSame);
    EXPECT_EQ(Records(kLeft, kRight).status, kDifferent);
    // Letter case and the length of blank runs do not count.
    EXPECT_EQ(Records("Int x  =  1;\n", "int x = 1;\n").status, kSame);
    // Lines past the end of the shorter file are a block of their own.
    EXPECT_EQ(Records("one\ntwo\n", "one\ntwo\nthree\n").status, kDifferent);
    EXPECT_EQ(Records("one\ntwo\nthree\n", "one\ntwo\n").status, kDifferent);
    EXPECT_EQ(Records("", "one\n").status, kDifferent);
    // Blank lines past the end differ too: the block records them.
    EXPECT_EQ(Records("one\n", "one\n\n").status, kDifferent);
}

TEST_F(TandemdiffTest, LinesAtTheEndOfTheLongerFileAreOneBlock) {
    const ToolOutput result = Records("one\nsame\n", "one\nsame\nnew 1\nnew 2\n");
    EXPECT_NE(result.out.find("left-marks 2\n2,14811135\n3,14811135\n"), std::string::npos);
    EXPECT_NE(result.out.find("right-marks 2\n2,255\n3,255\n"), std::string::npos);
    EXPECT_NE(result.out.find("blocks 1\n2,3,r\n"), std::string::npos);
    EXPECT_EQ(result.status, kDifferent);
}

TEST_F(TandemdiffTest, EmptyFilesHaveNoRows) {
    const ToolOutput result = Records("", "");
    const std::string noRows =
        "left-text 0\n\nright-text 0\n\nleft-marks 0\nright-marks 0\nblocks 0\n";
    EXPECT_EQ(result.out, noRows);
    EXPECT_EQ(result.status, kSame);
}

TEST_F(TandemdiffTest, EveryLineEndStyleGivesTheSameRows) {
    const std::string expected = Records("a\nb\n\nc", "a\nB\n").out;
    EXPECT_EQ(Records("a\r\nb\r\n\r\nc", "a\rB\r").out, expected);
    EXPECT_EQ(Records("a\rb\n\r\nc", "a\r\nB").out, expected);
    EXPECT_NE(expected.find("left-text 11\na\r\nb\r\n\r\nc\r\n\n"), std::string::npos);
}

TEST_F(TandemdiffTest, ZeroByteIsAnOrdinaryCharacter) {
    const std::string left("ab\0cd\nend\n", 10);
    const std::string right("ab\0cx\nend\n", 10);
    const ToolOutput records = Records(left, right);
    EXPECT_NE(records.out.find(std::string("left-text 12\nab\0cd\r\nend\r\n\n", 25)),
              std::string::npos);
    EXPECT_EQ(records.status, kDifferent);

    // The view takes such files as binary unless asked to show them as text.
    const ToolOutput view = Compare(left, right, {"--text", "--color=never", "--width", "40"});
    EXPECT_EQ(view.out.find('\0'), std::string::npos);
    EXPECT_NE(view.out.find("ab^@cd"), std::string::npos);
}

TEST_F(TandemdiffTest, SideBySideShowsGutterAndLineNumbers) {
    const ToolOutput result = Compare(kLeft, kRight, {"--color=never", "--width", "40"});
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_NE(lines[0].find("left.txt"), std::string::npos);
    EXPECT_NE(lines[0].find("right.txt"), std::string::npos);
    const std::vector<std::string> rows(lines.begin() + 1, lines.end());
    const std::vector<std::string> expected = {
        "1 alpha              1 alpha",   "2 bravo              2 bravo",
        "3 charlie            3 charlie", "4 delta              4 delta",
        "5 x = 1;           | 5 x = 2;",  "                   > 6 111",
        "                   > 7 222",     "                   > 8 333",
        "6 omega              9 omega",
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(result.status, kDifferent);
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 40u) << line;
}

TEST_F(TandemdiffTest, SideBySideShowsLinesPastTheShorterFile) {
    const ToolOutput result = Compare("one\n", "one\ntwo\n", {"--color=never", "--width", "30"});
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "              > 2 two");
}

TEST_F(TandemdiffTest, WidthComesFromColumnsWhenNotATerminal) {
    const std::string longLine(300, 'z');
    const char* saved = std::getenv("COLUMNS");
    const std::string kept = saved ? saved : "";
    setenv("COLUMNS", "61", 1);
    const ToolOutput narrow = Compare(longLine + "\n", longLine + "y\n");
    unsetenv("COLUMNS");
    const ToolOutput usual = Compare(longLine + "\n", longLine + "y\n");
    if (saved)
        setenv("COLUMNS", kept.c_str(), 1);
    ASSERT_EQ(Lines(narrow.out).size(), 2u);
    EXPECT_EQ(Lines(narrow.out)[1].size(), 61u);
    ASSERT_EQ(Lines(usual.out).size(), 2u);
    EXPECT_EQ(Lines(usual.out)[1].size(), 129u); // the default of 130 less the odd column
}

TEST_F(TandemdiffTest, LongLinesAreCutAndTabsExpanded) {
    const std::string longLine(200, 'z');
    const ToolOutput result =
        Compare("\tx\n" + longLine + "\n", "\tx\n" + longLine + "y\n", {"--width", "50"});
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].find('\t'), std::string::npos);
    EXPECT_EQ(lines[1].substr(0, 11), "1         x");
    EXPECT_EQ(lines[2].size(), 49u); // two 21-column texts, numbers and gutter
}

TEST_F(TandemdiffTest, FileBytesNeverReachTheTerminalAsControls) {
    const std::string hostile = "\x1b[2J\x1b]0;title\x07 \xc2\x9b \xe2\x80\xae x\n";
    for (const char* when : {"--color=never", "--color=always"}) {
        const ToolOutput result = Compare(hostile, "plain\n", {when, "--width", "80"});
        EXPECT_EQ(result.out.find("\x1b[2J"), std::string::npos) << when;
        EXPECT_EQ(result.out.find('\x07'), std::string::npos) << when;
        EXPECT_EQ(result.out.find("\xc2\x9b"), std::string::npos) << when;
        EXPECT_EQ(result.out.find("\xe2\x80\xae"), std::string::npos) << when;
        EXPECT_NE(result.out.find("^[[2J^[]0;title^G ? ? x"), std::string::npos) << when;
    }
}

TEST_F(TandemdiffTest, Utf8IsKeptAndInvalidBytesReplaced) {
    const ToolOutput result =
        Compare("caf\xc3\xa9 \xff\xfe ok\n", "other\n", {"--color=never", "--width", "60"});
    EXPECT_NE(result.out.find("caf\xc3\xa9 ?? ok"), std::string::npos);
    EXPECT_EQ(result.out.find('\xff'), std::string::npos);
}

TEST_F(TandemdiffTest, ColoursFollowTheMarks) {
    const ToolOutput plain = Compare(kLeft, kRight, {"--color=never", "--width", "60"});
    EXPECT_EQ(plain.out.find('\x1b'), std::string::npos);
    // Output to a file is not a terminal, so auto means no colour.
    EXPECT_EQ(Compare(kLeft, kRight, {"--width", "60"}).out, plain.out);

    const ToolOutput coloured = Compare(kLeft, kRight, {"--color=always", "--width", "60"});
    // Changed rows, their changed characters, one-sided lines and filler rows, as RGB.
    for (const char* colour :
         {"48;2;0;0;255m", "48;2;191;0;0m", "48;2;255;0;0m", "48;2;255;255;225m"})
        EXPECT_NE(coloured.out.find(colour), std::string::npos) << colour;
    EXPECT_NE(coloured.out.find("x = \x1b[0m\x1b[38;2;255;255;255;48;2;191;0;0m1"),
              std::string::npos);
}

TEST_F(TandemdiffTest, TroubleIsOneLineNamingTheFileOrOption) {
    const std::string left = run_.File("left.txt", kLeft);
    const std::string missing = run_.Folder() + "/missing.txt";
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{left, missing}, "tandemdiff: " + missing + ": No such file or directory\n"},
        {{run_.Folder(), left}, "tandemdiff: " + run_.Folder() + ": Is a directory\n"},
        {{"--depth", "101", left, left},
         "tandemdiff: --depth: '101' is not a whole number from 0 to 100\n"},
        {{"--lookup=-1", left, left},
         "tandemdiff: --lookup: '-1' is not a whole number from 0 to 2147483647\n"},
        {{"--threads", "0", left, left},
         "tandemdiff: --threads: '0' is not a whole number from 1 to 64\n"},
        {{"--colors", "1,2,3", left, left},
         "tandemdiff: --colors: '1,2,3' is not four colours I,E,D,L\n"},
        {{"--color=sometimes", left, left},
         "tandemdiff: --color: 'sometimes' is not one of auto, always, never\n"},
        {{"--depth"}, "tandemdiff: --depth: a value is missing\n"},
        {{"--frobnicate", left, left}, "tandemdiff: --frobnicate: unknown option (see --help)\n"},
        {{left}, "tandemdiff: two files are needed, LEFT and RIGHT (see --help)\n"},
        {{left, left, left}, "tandemdiff: '" + left + "': extra operand (two files only)\n"},
    };
    for (const Case& c : cases) {
        const ToolOutput result = run_.Run(c.arguments);
        EXPECT_EQ(result.status, kTrouble) << c.message;
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(result.out, "") << c.message;
    }
}

TEST_F(TandemdiffTest, UnreadableFileIsTrouble) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const std::string locked = run_.File("locked.txt", "x\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const ToolOutput result = run_.Run({locked, locked});
    EXPECT_EQ(result.status, kTrouble);
    EXPECT_EQ(result.err, "tandemdiff: " + locked + ": Permission denied\n");
}

TEST_F(TandemdiffTest, DoubleDashEndsOptions) {
    const std::string dashed = run_.File("--records", "same\n");
    const std::string other = run_.File("other.txt", "same\n");
    const ToolOutput result = run_.Run({"--width", "30", "--", dashed, other});
    EXPECT_EQ(result.status, kSame);
    EXPECT_EQ(result.out.find("left-text"), std::string::npos);
}

TEST_F(TandemdiffTest, OptionsReachTheComparison) {
    // With a lookup of 1 the search cannot see the common line three rows ahead.
    const ToolOutput near = Records(kLeft, kRight, {"--lookup=1"});
    EXPECT_EQ(near.status, kDifferent);
    // The right file's last three lines are left over at the end: a block of their own.
    EXPECT_NE(near.out.find("blocks 2\n4,5,lr\n6,8,r\n"), std::string::npos);
}

TEST_F(TandemdiffTest, ThreadCountLeavesTheOutputAsItIs) {
    const std::string left = TANDEM_TEST_DATA "/../synth-prose/left.txt";
    const std::string right = TANDEM_TEST_DATA "/../synth-prose/right.txt";
    const ToolOutput alone = run_.Run({"--records", "--threads", "1", left, right});
    EXPECT_EQ(alone.status, kDifferent);
    for (const char* threads : {"2", "4"}) {
        const ToolOutput shared = run_.Run({"--records", "--threads", threads, left, right});
        EXPECT_EQ(shared.status, kDifferent);
        EXPECT_EQ(shared.out, alone.out) << threads << " threads";
    }
}

// The shipped example pair must keep showing every kind of difference.
TEST_F(TandemdiffTest, ExamplePairShowsEveryKind) {
    const std::string left = TANDEM_EXAMPLES "/left.txt";
    const std::string right = TANDEM_EXAMPLES "/right.txt";
    const ToolOutput view = run_.Run({"--color=never", "--width", "100", left, right});
    EXPECT_EQ(view.status, kDifferent);
    std::vector<std::string> rows = Lines(view.out);
    ASSERT_FALSE(rows.empty());
    rows.erase(rows.begin());
    const std::vector<std::string> expected = {
        " 1 # Nightly backup of the project folders          1 # Nightly backup of the project "
        "folders",
        " 2 [source]                                         2 [Source]",
        " 3 path = /home/anna/projects                       3 path = /home/anna/projects",
        " 4 exclude = *.o *.tmp build/                       4 exclude   =   *.o   *.tmp   build/",
        " 5 follow_links = no                             <",
        " 6 one_file_system = yes                         <",
        " 7                                                  5",
        " 8 [target]                                         6 [target]",
        " 9 host = backup.example.org                        7 host = backup.example.org",
        "10 user = anna                                      8 user = anna",
        "11 port = 22                                     |  9 port = 2222",
        "                                                 > 10 compress = zstd",
        "                                                 > 11 bandwidth_limit = 20M",
        "12 path = /srv/backup/anna                         12 path = /srv/backup/anna",
        "13                                                 13",
        "14 [schedule]                                      14 [schedule]",
        "15 time = 02:30                                  | 15 time = 03:15",
        "16 keep_daily = 7                                | 16 keep_daily = 14",
        "17 keep_weekly = 4                                 17 keep_weekly = 4",
        "                                                 > 18 on_failure = retry 3",
        "                                                 > 19 notify = anna@example.org",
        "18 notify = anna@example.org ops@example.org       20   ops@example.org",
    };
    EXPECT_EQ(rows, expected);

    // The split line: its first piece is in the block, facing a filler row, with no mark of its
    // own; the last piece faces the whole line.
    const ToolOutput records = run_.Run({"--records", left, right});
    EXPECT_NE(records.out.find("blocks 5\n4,5,l\n10,10,lr\n11,12,r\n16,17,lr\n19,20,r\n"),
              std::string::npos);
    EXPECT_NE(records.out.find("19,14811135\n20,14811135\nright-marks"), std::string::npos);
    EXPECT_NE(records.out.find("\n19,255\nblocks"), std::string::npos);
}

TEST_F(TandemdiffTest, HelpAndVersion) {
    const ToolOutput help = run_.Run({"--help"});
    EXPECT_EQ(help.status, kSame);
    EXPECT_EQ(help.out.rfind("Usage: tandemdiff [OPTION]... LEFT RIGHT\n", 0), 0u);
    const ToolOutput version = run_.Run({"--version"});
    EXPECT_EQ(version.status, kSame);
    EXPECT_EQ(version.out, "tandemdiff (Tandemview) " TANDEM_VERSION "\n");
}

} // namespace
} // namespace tandem
