#include "engine/linelist.h"

#include <gtest/gtest.h>
#include <string>

namespace tandem {
namespace {

TEST(LineList, KeysFollowTheirLines) {
    LineList list({"  Foo  Bar ", "x", ""});
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Key(0), "foo bar");
    EXPECT_EQ(list.Text(0), "  Foo  Bar ");
    list.Put(1, "NEW");
    EXPECT_EQ(list.Key(1), "new");
    EXPECT_EQ(list.Key(3), "");
    EXPECT_EQ(list.Key(-1), "");
    EXPECT_EQ(list.Text(3), "");
}

TEST(LineList, InsertionsMoveLaterLinesUp) {
    LineList list({"a", "b", "c"});
    list.Insert(1, "X");
    list.Insert(0, "");
    list.Insert(5, "end");
    list.Append("appended");
    std::vector<std::string_view> expected = {"", "a", "X", "b", "c", "end", "appended"};
    EXPECT_EQ(list.Lines(), expected);
    EXPECT_EQ(list.Key(2), "x");
    EXPECT_EQ(list.Key(3), "b");
}

// Filler lines go in just after the cursor as it moves forward, thousands of them in a big run.
TEST(LineList, ManyInsertionsKeepOrder) {
    std::vector<std::string> texts;
    for (int i = 0; i < 1000; ++i)
        texts.push_back("line " + std::to_string(i));
    LineList list({texts.begin(), texts.end()});
    for (int at = 0; at < 2000; at += 2)
        list.Insert(at, {});
    ASSERT_EQ(list.Count(), 2000);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(list.Text(2 * i), "");
        EXPECT_EQ(list.Text(2 * i + 1), texts[static_cast<size_t>(i)]);
    }
    list.Insert(3, "back");
    EXPECT_EQ(list.Text(3), "back");
    EXPECT_EQ(list.Text(4), "line 1");
    EXPECT_EQ(list.Key(6), "line 2");
}

} // namespace
} // namespace tandem
