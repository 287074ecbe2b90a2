// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() {
        SettingsStore::ForgetAll();
        store.SetSectionName("Tandem");
    }
    ~SettingsStoreTest() override { SettingsStore::ForgetAll(); }

    QWidget owner;
    SettingsStore store{&owner};
};

TEST_F(SettingsStoreTest, TextValuesAreKeptPerSection) {
    EXPECT_EQ(store.ReadString("Left_File"), "");
    store.WriteString("Left_File", "/tmp/a b.txt");
    EXPECT_EQ(store.ReadString("Left_File"), "/tmp/a b.txt");
    SettingsStore other(&owner);
    other.SetSectionName("Setup");
    EXPECT_EQ(other.ReadString("Left_File"), "");
}

TEST_F(SettingsStoreTest, ListsReadBackAtMostTenItemsUpToTheFirstEmpty) {
    EXPECT_FALSE(store.ReadList("Left_List").has_value());
    StringList fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen.Add("file" + std::to_string(i));
    store.WriteList("Left_List", fifteen);
    EXPECT_EQ(store.ReadList("Left_List")->Count(), 10);

    StringList withGap;
    withGap.Add("a");
    withGap.Add("b");
    withGap.Add("c");
    withGap.Add("");
    store.WriteList("Left_List", withGap);
    const auto read = store.ReadList("Left_List");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Items(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SettingsStoreTest, PlacementComesBackOnlyOnceSaved) {
    owner.setGeometry(40, 50, 300, 200);
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), QSize(300, 200));
    store.SavePlacement();
    owner.setGeometry(0, 0, 100, 100);
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), QSize(300, 200));
}

} // namespace
} // namespace tandem
