// Whole comparison runs on small pairs whose aligned rows and records are known.
#include "engine/comparison.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tandem {
namespace {

constexpr int kI = 14811135; // insert colour
constexpr int kE = 255;      // one-sided line
constexpr int kD = 191;      // changed characters
constexpr int kL = 16711680; // changed row

struct Expected {
    std::vector<std::string> left;
    std::vector<std::string> right;
    std::vector<std::string> leftMarks;
    std::vector<std::string> rightMarks;
    std::vector<std::string> blocks;
};

std::vector<std::string> Rows(const std::vector<std::string_view>& rows) {
    return {rows.begin(), rows.end()};
}

ComparisonResult CompareLines(const std::vector<std::string>& left,
                              const std::vector<std::string>& right, CompareOptions options = {}) {
    // The engine keeps views into the texts; these vectors outlive each check below.
    static std::vector<std::vector<std::string>> keep;
    keep.push_back(left);
    keep.push_back(right);
    const auto& l = keep[keep.size() - 2];
    const auto& r = keep.back();
    return Compare({l.begin(), l.end()}, {r.begin(), r.end()}, options);
}

void ExpectResult(const ComparisonResult& result, const Expected& expected) {
    EXPECT_EQ(Rows(result.left), expected.left);
    EXPECT_EQ(Rows(result.right), expected.right);
    EXPECT_EQ(result.leftMarks.Items(), expected.leftMarks);
    EXPECT_EQ(result.rightMarks.Items(), expected.rightMarks);
    EXPECT_EQ(result.blocks.Items(), expected.blocks);
}

std::string Mark(int row, int colour) {
    return std::to_string(row) + "," + std::to_string(colour);
}

TEST(Comparison, IdenticalFilesHaveNoRecords) {
    ComparisonResult result = CompareLines({"a", "b", "c"}, {"a", "b", "c"});
    ExpectResult(result, {{"a", "b", "c"}, {"a", "b", "c"}, {}, {}, {}});
    EXPECT_EQ(result.ending, RunEnding::Completed);
}

TEST(Comparison, LinesFoundFurtherOnGetFillerRowsOpposite) {
    ComparisonResult result = CompareLines({"a", "x"}, {"a", "b", "c", "x"});
    ExpectResult(result, {{"a", "", "", "x"},
                          {"a", "b", "c", "x"},
                          {Mark(1, kI), Mark(2, kI)},
                          {Mark(1, kE), Mark(2, kE)},
                          {"1,2,r"}});
}

TEST(Comparison, EmptyLeftFileFacesOneBlockOfRightLines) {
    ExpectResult(CompareLines({}, {"a", "b", "c"}), {{"", "", ""},
                                                     {"a", "b", "c"},
                                                     {Mark(0, kI), Mark(1, kI), Mark(2, kI)},
                                                     {Mark(0, kE), Mark(1, kE), Mark(2, kE)},
                                                     {"0,2,r"}});
}

TEST(Comparison, ExtraLinesAtTheEndOfTheRightAreOneBlock) {
    ExpectResult(CompareLines({"a", "b"}, {"a", "b", "c", "d"}), {{"a", "b", "", ""},
                                                                  {"a", "b", "c", "d"},
                                                                  {Mark(2, kI), Mark(3, kI)},
                                                                  {Mark(2, kE), Mark(3, kE)},
                                                                  {"2,3,r"}});
}

TEST(Comparison, ExtraLinesAtTheEndOfTheLeftAreOneBlock) {
    ExpectResult(CompareLines({"a", "b", "c"}, {"a"}), {{"a", "b", "c"},
                                                        {"a", "", ""},
                                                        {Mark(1, kE), Mark(2, kE)},
                                                        {Mark(1, kI), Mark(2, kI)},
                                                        {"1,2,l"}});
}

TEST(Comparison, EndBlockMergesWithTheBlockBeforeItOfTheSameSide) {
    ExpectResult(
        CompareLines({"a", ""}, {"a", "x", "y"}),
        {{"a", "", ""}, {"a", "x", "y"}, {Mark(2, kI)}, {Mark(1, kE), Mark(2, kE)}, {"1,2,r"}});
}

class CancelAtOnce : public ProgressSink {
public:
    ProgressVerdict ReportProgress(int, int) override { return ProgressVerdict::Cancel; }
};

TEST(Comparison, CancelledRunLeavesTheRowsAfterTheCursorUnmarked) {
    std::vector<std::string> left = {"a", "b"};
    std::vector<std::string> right = {"a", "b", "z", "w"};
    CancelAtOnce cancel;
    ComparisonResult result = Compare({left.begin(), left.end()}, {right.begin(), right.end()},
                                      CompareOptions{}, &cancel);
    EXPECT_EQ(result.ending, RunEnding::Cancelled);
    ExpectResult(result, {{"a", "b", "", ""}, right, {}, {}, {}});
}

TEST(Comparison, CaseAndBlankRunsCountAsEqual) {
    ExpectResult(CompareLines({"Hello  World", "  x"}, {"hello world ", "x"}),
                 {{"Hello  World", "  x"}, {"hello world ", "x"}, {}, {}, {}});
}

TEST(Comparison, SimilarLineIsAChangedPairWithItsChangedMiddle) {
    ExpectResult(CompareLines({"x = 1;"}, {"x = 2;"}),
                 {{"x = 1;"},
                  {"x = 2;"},
                  {Mark(0, kL), "0,4,1," + std::to_string(kD)},
                  {Mark(0, kL), "0,4,1," + std::to_string(kD)},
                  {"0,0,lr"}});
}

TEST(Comparison, ThreeRowsInsertedBeforeACommonLine) {
    std::vector<std::string> left = {"l0", "l1", "l2", "l3", "l4", "common"};
    std::vector<std::string> right = {"l0", "l1", "l2", "l3", "l4", "n5", "n6", "n7", "common"};
    ExpectResult(CompareLines(left, right), {{"l0", "l1", "l2", "l3", "l4", "", "", "", "common"},
                                             right,
                                             {Mark(5, kI), Mark(6, kI), Mark(7, kI)},
                                             {Mark(5, kE), Mark(6, kE), Mark(7, kE)},
                                             {"5,7,r"}});
}

std::string RecordsText(const ComparisonResult& result) {
    std::string text;
    for (const StringList* list : {&result.leftMarks, &result.rightMarks, &result.blocks})
        for (const std::string& record : list->Items())
            text += record + "\n";
    return text + WholeText(result.left) + WholeText(result.right);
}

// The search's first threshold is the lookup squared; a larger lookup than 46340 would wrap it.
TEST(Comparison, LookupAbove46340IsUsedAs46340) {
    std::vector<std::string> left = {"a", "x", "common", "q", "r", "end"};
    std::vector<std::string> right = {"a", "b", "c", "x", "common", "new", "r", "end", "more"};
    auto withLookup = [&](int lookup) {
        CompareOptions options;
        options.lookup = lookup;
        return RecordsText(CompareLines(left, right, options));
    };
    const std::string longest = withLookup(46340);
    EXPECT_EQ(longest, withLookup(2000));
    EXPECT_EQ(withLookup(46341), longest);
    EXPECT_EQ(withLookup(1000000), longest);
}

// Asks for a cancel through the flag when told about the first row, and lets the run go on.
class FlagCancelAtOnce : public ProgressSink {
public:
    ProgressVerdict ReportProgress(int, int) override {
        cancelRequested = true;
        return ProgressVerdict::Continue;
    }
};

TEST(Comparison, CancelFlagCutsALongLineScoreShortAndLeavesItsRowUnrecorded) {
    std::string longLeft;
    std::string longRight;
    for (int i = 0; i < 200000; ++i) {
        longLeft += static_cast<char>('a' + i % 13);
        longRight += static_cast<char>('a' + (i * 7) % 13);
    }
    std::vector<std::string_view> left = {longLeft, "same"};
    std::vector<std::string_view> right = {longRight, "same"};
    FlagCancelAtOnce cancel;
    ComparisonResult result = Compare(left, right, CompareOptions{}, &cancel);
    EXPECT_EQ(result.ending, RunEnding::Cancelled);
    EXPECT_EQ(result.left, left);
    EXPECT_EQ(result.right, right);
    EXPECT_EQ(result.leftMarks.Count(), 0);
    EXPECT_EQ(result.rightMarks.Count(), 0);
    EXPECT_EQ(result.blocks.Count(), 0);
}

TEST(Comparison, CancelFlagLeftClearChangesNothing) {
    std::vector<std::string> left = {"a", "x", "common", "q", "r", "end"};
    std::vector<std::string> right = {"a", "b", "c", "x", "common", "new", "r", "end", "more"};
    class Quiet : public ProgressSink {
    public:
        ProgressVerdict ReportProgress(int, int) override { return ProgressVerdict::Continue; }
    } quiet;
    ComparisonResult watched =
        Compare({left.begin(), left.end()}, {right.begin(), right.end()}, {}, &quiet);
    EXPECT_EQ(watched.ending, RunEnding::Completed);
    EXPECT_EQ(RecordsText(watched), RecordsText(CompareLines(left, right)));
}

} // namespace
} // namespace tandem
