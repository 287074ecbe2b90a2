// tandemdiff driven as GNU diff is: short options and bundling, shortened long options, -q,
// binary files, labels and the messages for options it cannot use.
#include "toolrun.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tandem {
namespace {

const std::string kLeft = "alpha\nbravo\nx = 1;\nomega\n";
const std::string kRight = "alpha\nbravo\nx = 2;\nomega\n";

class GnuOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        left_ = run_.File("left.txt", kLeft);
        right_ = run_.File("right.txt", kRight);
    }

    ToolOutput Run(std::vector<std::string> arguments) const { return run_.Run(arguments); }

    ToolRun run_;
    std::string left_;
    std::string right_;
};

TEST_F(GnuOptionsTest, ShortOptionsBundledOrApartMeanTheLongOnes) {
    const ToolOutput expected = Run({"--side-by-side", "--width", "40", left_, right_});
    EXPECT_EQ(expected.status, kDifferent);
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"-y", "-W", "40", left_, right_},
                                               {"-yW40", left_, right_},
                                               {"-yW", "40", left_, right_},
                                               {left_, "-W40", right_, "-y"},
                                               {"--width=40", left_, right_}}) {
        const ToolOutput result = Run(arguments);
        EXPECT_EQ(result.out, expected.out) << arguments[0];
        EXPECT_EQ(result.status, kDifferent) << arguments[0];
    }
}

TEST_F(GnuOptionsTest, LongOptionsMayBeShortenedWhileUnique) {
    EXPECT_EQ(Run({"--wid=40", left_, right_}).out, Run({"--width=40", left_, right_}).out);
    EXPECT_EQ(Run({"--rec", left_, right_}).out, Run({"--records", left_, right_}).out);
    EXPECT_EQ(Run({"--br", left_, right_}).out, "Files " + left_ + " and " + right_ + " differ\n");
    EXPECT_EQ(Run({"--uni=0", left_, right_}).out, Run({"-U", "0", left_, right_}).out);
    EXPECT_EQ(Run({"--vers"}).out, Run({"--version"}).out);

    const ToolOutput ambiguous = Run({"--col=never", left_, right_});
    EXPECT_EQ(ambiguous.status, kTrouble);
    EXPECT_EQ(ambiguous.err,
              "tandemdiff: --col: ambiguous (--colors, --colours, --color, --colour)\n");
    // An exact name is never ambiguous.
    EXPECT_EQ(Run({"--color=never", left_, right_}).status, kDifferent);
}

TEST_F(GnuOptionsTest, BriefSaysOnlyWhetherTheFilesDiffer) {
    for (const char* brief : {"-q", "--brief"}) {
        const ToolOutput differ = Run({brief, left_, right_});
        EXPECT_EQ(differ.status, kDifferent);
        EXPECT_EQ(differ.out, "Files " + left_ + " and " + right_ + " differ\n");
        const ToolOutput same = Run({brief, left_, left_});
        EXPECT_EQ(same.status, kSame);
        EXPECT_EQ(same.out, "");
    }
    // What the comparison counts as the same is the same here too: case and blank runs.
    const std::string upper = run_.File("upper.txt", "ALPHA\nbravo\nx  =  1;\nomega\n");
    EXPECT_EQ(Run({"-q", left_, upper}).status, kSame);
    // The one-line answer names the labels when there are any.
    EXPECT_EQ(Run({"-q", "--label", "old", "--label", "new", left_, right_}).out,
              "Files old and new differ\n");
}

TEST_F(GnuOptionsTest, BinaryFilesAreOnlySaidToDiffer) {
    const std::string binary = run_.File("binary.bin", std::string("ab\0cd\nend\n", 10));
    const std::string other = run_.File("other.bin", std::string("ab\0cx\nend\n", 10));
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {binary, other}, {"-u", binary, other}, {left_, binary}}) {
        const ToolOutput result = Run(arguments);
        EXPECT_EQ(result.status, kDifferent);
        EXPECT_EQ(result.out, "Binary files " + arguments[arguments.size() - 2] + " and " +
                                  arguments.back() + " differ\n");
    }
    EXPECT_EQ(Run({"-q", binary, other}).out, "Files " + binary + " and " + other + " differ\n");
    const ToolOutput same = Run({binary, binary});
    EXPECT_EQ(same.status, kSame);
    EXPECT_EQ(same.out, "");

    // A zero byte past the first 8 KiB does not make a file binary.
    const std::string late = run_.File("late.txt", std::string(9000, 'a') + '\0' + "\n");
    EXPECT_EQ(Run({"--width", "40", late, left_}).out.find("Binary"), std::string::npos);

    // As text, the zero byte is shown safely in the view.
    const ToolOutput text = Run({"-a", "--color=never", "-W", "40", binary, other});
    EXPECT_EQ(text.status, kDifferent);
    EXPECT_NE(text.out.find("ab^@cd"), std::string::npos);
    EXPECT_EQ(text.out.find('\0'), std::string::npos);
}

TEST_F(GnuOptionsTest, LabelsNameTheFilesInTheHeaders) {
    const ToolOutput result = Run({"-u", "--label", "a/left", "--label=b/right", left_, right_});
    EXPECT_EQ(result.out.rfind("--- a/left\n+++ b/right\n@@ -1,4 +1,4 @@\n", 0), 0u) << result.out;
    const ToolOutput one = Run({"-u", "--label", "only-left", left_, right_});
    EXPECT_EQ(one.out.rfind("--- only-left\n+++ " + right_ + "\t", 0), 0u) << one.out;
    const ToolOutput view = Run({"-W", "60", "--label", "OLD", "--label", "NEW", left_, right_});
    EXPECT_NE(view.out.find("OLD"), std::string::npos);
    EXPECT_NE(view.out.find("NEW"), std::string::npos);
}

TEST_F(GnuOptionsTest, HelpAndVersionHaveShortForms) {
    EXPECT_EQ(Run({"-h"}).out, Run({"--help"}).out);
    EXPECT_EQ(Run({"-v"}).out, "tandemdiff (Tandemview) " TANDEM_VERSION "\n");
    EXPECT_EQ(Run({"-h"}).status, kSame);
    EXPECT_NE(Run({"-h"}).out.find("-u, -U N, --unified[=N]"), std::string::npos);
}

TEST_F(GnuOptionsTest, TroubleWithOptionsIsOneLineNamingTheOption) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"-x", left_, right_}, "-x: unknown option (see --help)"},
        {{"-qx", left_, right_}, "-x: unknown option (see --help)"},
        {{left_, right_, "-W"}, "-W: a value is missing"},
        {{left_, right_, "--width"}, "--width: a value is missing"},
        {{"-W", "5", left_, right_}, "-W: '5' is not a whole number from 20 to 100000"},
        {{"--width", "5", left_, right_}, "--width: '5' is not a whole number from 20 to 100000"},
        {{"--wid=5", left_, right_}, "--width: '5' is not a whole number from 20 to 100000"},
        {{"-U", "x", left_, right_}, "-U: 'x' is not a whole number from 0 to 2147483647"},
        {{"--records=1", left_, right_}, "--records: takes no value"},
        {{"--help=1"}, "--help: takes no value"},
        {{"--frobnicate=3", left_, right_}, "--frobnicate: unknown option (see --help)"},
        {{"-u", "--records", left_, right_},
         "conflicting output styles (choose one of -y, -u and --records)"},
        {{"-y", "-u", left_, right_},
         "conflicting output styles (choose one of -y, -u and --records)"},
        {{"--label", "a", "--label", "b", "--label", "c", left_, right_},
         "--label: given more than twice (the left file's, then the right's)"},
    };
    for (const Case& c : cases) {
        const ToolOutput result = Run(c.arguments);
        EXPECT_EQ(result.status, kTrouble) << c.message;
        EXPECT_EQ(result.err, "tandemdiff: " + c.message + "\n");
        EXPECT_EQ(result.out, "") << c.message;
    }
}

} // namespace
} // namespace tandem
