// Recording changed pairs and one-sided blocks.
#include "engine/alignmentrun.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

const std::string kL = "16711680";
const std::string kD = "191";
const std::string kE = "255";
const std::string kI = "14811135";

class Emitters : public testing::Test {
protected:
    Emitters() : left_({}), right_({}), run_(left_, right_, {}, result_) {}

    void Pair(int row, std::string_view leftText, std::string_view rightText) {
        run_.EmitPair(row, leftText, row, rightText, result_.leftMarks, result_.rightMarks);
    }

    LineList left_;
    LineList right_;
    ComparisonResult result_;
    AlignmentRun run_;
};

using Records = std::vector<std::string>;

TEST_F(Emitters, ChangedPairMarksTheUnequalMiddle) {
    Pair(4, "x = 1;", "x = 2;");
    EXPECT_EQ(result_.blocks.Items(), Records{"4,4,lr"});
    EXPECT_EQ(result_.leftMarks.Items(), (Records{"4," + kL, "4,4,1," + kD}));
    EXPECT_EQ(result_.rightMarks.Items(), (Records{"4," + kL, "4,4,1," + kD}));
}

TEST_F(Emitters, SpanSkipsLeadingBlanksAndComparesCaseExactly) {
    Pair(0, "abc", "aXc");
    EXPECT_EQ(result_.leftMarks.Item(1), "0,1,1," + kD);
    EXPECT_EQ(result_.rightMarks.Item(1), "0,1,1," + kD);
    Pair(1, "  Value", "    value");
    EXPECT_EQ(result_.leftMarks.Item(3), "1,2,1," + kD);
    EXPECT_EQ(result_.rightMarks.Item(3), "1,4,1," + kD);
}

TEST_F(Emitters, NothingLeftOverMeansNoSpan) {
    Pair(2, "aa", "a");
    EXPECT_EQ(result_.leftMarks.Items(), Records{"2," + kL});
    EXPECT_EQ(result_.rightMarks.Items(), Records{"2," + kL});
}

TEST_F(Emitters, EmptySideMakesAOneSidedRow) {
    Pair(7, "   ", "");
    Pair(8, "", "text");
    EXPECT_EQ(result_.blocks.Items(), (Records{"7,7,l", "8,8,r"}));
    EXPECT_EQ(result_.leftMarks.Items(), Records{"7," + kE});
    EXPECT_EQ(result_.rightMarks.Items(), Records{"8," + kE});
}

TEST(EmitBlock, LineAboveTheBlockMovesDownToItsBestMatch) {
    // Left row 0 "int value = 1;" is best placed facing right row 2, its changed version.
    std::vector<std::string_view> left = {"int value = 1;", "end"};
    std::vector<std::string_view> right = {"alpha", "beta", "int value = 2;", "end"};
    LineList leftList(left);
    LineList rightList(right);
    ComparisonResult result;
    AlignmentRun run(leftList, rightList, {}, result);
    int cursorY = 1;
    int cursorX = 1;
    run.EmitBlock(leftList, rightList, result.leftMarks, result.rightMarks, "r", 0, 3, cursorY,
                  cursorX);
    EXPECT_EQ(leftList.Lines(), (std::vector<std::string_view>{"", "", "int value = 1;", "end"}));
    EXPECT_EQ(cursorX, 3);
    EXPECT_EQ(cursorY, 3);
    EXPECT_EQ(result.leftMarks.Items(), (Records{"0," + kI, "1," + kI, "2," + kL, "2,12,1," + kD}));
    EXPECT_EQ(result.rightMarks.Items(),
              (Records{"0," + kE, "1," + kE, "2," + kL, "2,12,1," + kD}));
    EXPECT_EQ(result.blocks.Items(), (Records{"0,0,r", "1,1,r", "2,2,lr"}));
}

} // namespace
} // namespace tandem
