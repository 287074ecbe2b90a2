#include "toolkit/fields.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(Fields, CountSkipsEmptyFields) {
    EXPECT_EQ(FieldCount("a,,b", ','), 2);
    EXPECT_EQ(FieldCount("", ','), 0);
    EXPECT_EQ(FieldCount(",,", ','), 0);
    EXPECT_EQ(FieldCount("4,5,3,191", ','), 4);
}

TEST(Fields, FieldCountsEmptyFieldsAndYieldsTheLastCharacterPastTheEnd) {
    EXPECT_EQ(Field("5,37", ',', 1), "5");
    EXPECT_EQ(Field("5,37", ',', 2), "37");
    EXPECT_EQ(Field("5,37", ',', 5), "7");
    EXPECT_EQ(Field("a,,b", ',', 2), "");
    EXPECT_EQ(Field("a,,b", ',', 3), "b");
    EXPECT_EQ(Field("12,14,lr", ',', 3), "lr");
    EXPECT_EQ(Field("", ',', 1), "");
}

TEST(Fields, DeleteFieldRemovesTheSeparatorAfterIt) {
    EXPECT_EQ(DeleteField("a,b,c", ',', 3), "a,b,");
    EXPECT_EQ(DeleteField("a,b,c", ',', 1), "b,c");
    EXPECT_EQ(DeleteField("a,b,c", ',', 2), "a,c");
    EXPECT_EQ(DeleteField("a,,b", ',', 2), "a,,");
    EXPECT_EQ(DeleteField("a,b", ',', 3), "a,b");
}

TEST(Fields, NumbersReadTheirLeadingDigitsModulo32Bits) {
    EXPECT_EQ(TextToNumber("42"), 42);
    EXPECT_EQ(TextToNumber("-17"), -17);
    EXPECT_EQ(TextToNumber("+8x"), 8);
    EXPECT_EQ(TextToNumber(" 5"), 0);
    EXPECT_EQ(TextToNumber(""), 0);
    EXPECT_EQ(TextToNumber("-"), 0);
    EXPECT_EQ(TextToNumber("abc"), 0);
    EXPECT_EQ(TextToNumber("4294967297"), 1);
    EXPECT_EQ(TextToNumber("2147483648"), -2147483647 - 1);
    EXPECT_EQ(NumberToText(-5), "-5");
}

} // namespace
} // namespace tandem
