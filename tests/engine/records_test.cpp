#include "engine/records.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(MarkRecord, ReadsBothKindsAndWritesThemBackUnchanged) {
    for (const char* text : {"7,255", "12,3,4,191", "0,-2147483648", "5,0,0,16711680"})
        EXPECT_EQ(MarkRecord::Read(text).Text(), text);
    const MarkRecord whole = MarkRecord::Read("7,14811135");
    EXPECT_TRUE(whole.wholeRow);
    EXPECT_EQ(whole.row, 7);
    EXPECT_EQ(whole.colour, 14811135);
    const MarkRecord span = MarkRecord::Read("12,3,4,191");
    EXPECT_FALSE(span.wholeRow);
    EXPECT_EQ(span.start, 3);
    EXPECT_EQ(span.length, 4);
    EXPECT_EQ(span.colour, 191);
}

TEST(MarkRecord, MalformedRecordsReadByTheNumberRule) {
    // A record of three fields is a span whose colour field is past the end: its last character.
    const MarkRecord three = MarkRecord::Read("4,5,37");
    EXPECT_FALSE(three.wholeRow);
    EXPECT_EQ(three.colour, 7);
    EXPECT_EQ(MarkRecord::Read("x,1").row, 0);
}

TEST(BlockRecord, ReadsSidesAndWritesThemBack) {
    for (const char* text : {"3,9,l", "0,0,r", "10,12,lr"})
        EXPECT_EQ(BlockRecord::Read(text).Text(), text);
    const BlockRecord both = BlockRecord::Read("10,12,lr");
    EXPECT_EQ(both.first, 10);
    EXPECT_EQ(both.last, 12);
    EXPECT_TRUE(both.HasLeft());
    EXPECT_TRUE(both.HasRight());
    EXPECT_FALSE(BlockRecord::Read("1,1,r").HasLeft());
}

TEST(RecordRow, MovesTheRowAndKeepsTheRest) {
    EXPECT_EQ(RecordRow("42,3,1,191"), 42);
    EXPECT_EQ(WithRow("42,3,1,191", 40), "40,3,1,191");
    EXPECT_EQ(WithRow("42", 1), "1");
}

} // namespace
} // namespace tandem
