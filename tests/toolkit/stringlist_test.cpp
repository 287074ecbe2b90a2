// What a line is: SetText cuts at CR (CR LF is one line end) and WholeText ends every item with CR
// LF.
#include "toolkit/stringlist.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

std::vector<std::string> Lines(std::string_view text) {
    StringList list;
    list.SetText(text);
    return list.Items();
}

TEST(StringListSetText, CutsAtCarriageReturns) {
    EXPECT_EQ(Lines(""), std::vector<std::string>{});
    EXPECT_EQ(Lines("a"), std::vector<std::string>{"a"});
    EXPECT_EQ(Lines("a\r\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(Lines("a\r\r"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(Lines("\r\n"), std::vector<std::string>{""});
    EXPECT_EQ(Lines("a\nb"), std::vector<std::string>{"a\nb"});
    EXPECT_EQ(Lines("a\rb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(StringListSetText, AppendsOrReplaces) {
    StringList list;
    list.SetText("a\r\nb");
    list.SetText("c", true);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"a", "b", "c"}));
    list.SetText("d");
    EXPECT_EQ(list.Items(), std::vector<std::string>{"d"});
}

TEST(StringListWholeText, RoundTripsThroughSetText) {
    StringList list;
    for (const char* item : {"x", "", "  y", std::string_view("z\0z", 3).data()})
        list.Add(item);
    list.Add(std::string_view("nul\0inside", 10));
    std::string whole = list.WholeText();
    EXPECT_EQ(whole.substr(0, 10), "x\r\n\r\n  y\r\n");
    StringList again;
    again.SetText(whole);
    EXPECT_EQ(again, list);
    EXPECT_EQ(StringList().WholeText(), "");
}

TEST(StringListItems, ReadingOutsideGivesEmptyText) {
    StringList list;
    EXPECT_EQ(list.Add("a"), 0);
    EXPECT_EQ(list.Add("b"), 1);
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_EQ(list.Item(2), "");
    list.Insert(1, "m");
    list.Replace(0, "A");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"A", "m", "b"}));
    list.Delete(1);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"A", "b"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace tandem
