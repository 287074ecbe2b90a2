#include "engine/tidy.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

using Records = std::vector<std::string>;

Records Tidied(void (*tidy)(StringList&), const Records& records) {
    StringList list;
    for (const std::string& record : records)
        list.Add(record);
    tidy(list);
    return list.Items();
}

TEST(TidyMarks, WholeRowMarkReplacesAnEarlierMarkOfTheSameRow) {
    EXPECT_EQ(Tidied(TidyMarks, {"7,5,3,191", "7,14811135"}), Records{"7,14811135"});
    EXPECT_EQ(Tidied(TidyMarks, {"3,255", "3,14811135", "4,255"}),
              (Records{"3,14811135", "4,255"}));
    // A span after the whole-row mark of its row stays.
    EXPECT_EQ(Tidied(TidyMarks, {"4,16711680", "4,4,1,191"}), (Records{"4,16711680", "4,4,1,191"}));
    EXPECT_EQ(Tidied(TidyMarks, {"2,255", "2,255"}), (Records{"2,255", "2,255"}));
    EXPECT_EQ(Tidied(TidyMarks, {}), Records{});
}

TEST(TidyBlocks, MergesNeighboursOfTheSameSides) {
    EXPECT_EQ(Tidied(TidyBlocks, {"3,3,lr", "4,4,lr"}), Records{"3,4,lr"});
    EXPECT_EQ(Tidied(TidyBlocks, {"3,3,lr", "4,4,r"}), (Records{"3,3,lr", "4,4,r"}));
    EXPECT_EQ(Tidied(TidyBlocks, {"1,1,l", "2,2,l", "3,5,l", "9,9,r"}),
              (Records{"1,5,l", "9,9,r"}));
}

TEST(TidyBlocks, LaterBlockStartingEarlierReplacesAndIsComparedAgain) {
    EXPECT_EQ(Tidied(TidyBlocks, {"3,3,lr", "3,3,r"}), Records{"3,3,r"});
    // 5,6 replaces 5,5 and then merges with 3,4 before it.
    EXPECT_EQ(Tidied(TidyBlocks, {"3,4,r", "5,5,lr", "5,6,r"}), Records{"3,6,r"});
    // 2,9 replaces 4,4 and then 3,3 too, as both start later.
    EXPECT_EQ(Tidied(TidyBlocks, {"3,3,l", "4,4,lr", "2,9,r"}), Records{"2,9,r"});
}

} // namespace
} // namespace tandem
