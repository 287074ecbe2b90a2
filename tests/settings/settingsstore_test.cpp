// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"
#include "tempconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tandem {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    SettingsStoreTest() { store.SetSectionName("Tandem"); }

    // Another copy of the program, or the user, changes the store behind our back.
    void WriteStoreFile(const QByteArray& text) {
        const QString path = SettingsStore::Location();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
        file.write(text);
    }
    QByteArray StoreFile() const {
        QFile file(SettingsStore::Location());
        return file.open(QFile::ReadOnly) ? file.readAll() : QByteArray();
    }
    StringList Items(std::initializer_list<const char*> items) {
        StringList list;
        for (const char* item : items)
            list.Add(item);
        return list;
    }

    TempConfig config;
    QWidget owner;
    SettingsStore store{&owner};
};

TEST_F(SettingsStoreTest, LivesInTheUsersConfigurationFolderUnderTheProgramsName) {
    EXPECT_EQ(SettingsStore::Location(), config.Path() + "/Vantrelsoft/settings_tests.ini");
    store.WriteString("Left_File", "/tmp/a.txt");
    EXPECT_TRUE(QFile::exists(SettingsStore::Location()));
    EXPECT_TRUE(StoreFile().contains("[Tandem]"));
    EXPECT_TRUE(StoreFile().contains("Left_File=/tmp/a.txt"));
}

TEST_F(SettingsStoreTest, TextValuesAreKeptPerSectionAndSurviveAnyCharacter) {
    EXPECT_EQ(store.ReadString("Left_File"), "");
    store.WriteString("Left_File", "/tmp/a b,c;d=e \"f\" \xc3\xa9.txt");
    EXPECT_EQ(store.ReadString("Left_File"), "/tmp/a b,c;d=e \"f\" \xc3\xa9.txt");
    store.WriteString("1A2B", "12,0,3");
    EXPECT_EQ(store.ReadString("1A2B"), "12,0,3");
    SettingsStore other(&owner);
    other.SetSectionName("Setup");
    EXPECT_EQ(other.ReadString("Left_File"), "");
}

TEST_F(SettingsStoreTest, ListsReadBackAtMostTenItemsAndWritingLeavesHigherItems) {
    EXPECT_FALSE(store.ReadList("Left_List").has_value());
    StringList fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen.Add("file" + std::to_string(i));
    store.WriteList("Left_List", fifteen);
    const auto ten = store.ReadList("Left_List");
    ASSERT_TRUE(ten.has_value());
    EXPECT_EQ(ten->Count(), 10);
    EXPECT_EQ(ten->Item(9), "file9");

    store.WriteList("Left_List", Items({"a", "b"}));
    EXPECT_EQ(store.ReadList("Left_List")->Items(),
              (std::vector<std::string>{"a", "b", "file2", "file3", "file4", "file5", "file6",
                                        "file7", "file8", "file9"}));
    QSettings raw(SettingsStore::Location(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Tandem/Left_List/14").toString(), "file14");
}

TEST_F(SettingsStoreTest, ListReadingStopsAtTheFirstEmptyItem) {
    store.WriteList("Rigt_List", Items({"a", "b", "c", "", "e"}));
    EXPECT_EQ(store.ReadList("Rigt_List")->Items(), (std::vector<std::string>{"a", "b", "c"}));
    store.WriteList("Left_List", Items({""}));
    EXPECT_FALSE(store.ReadList("Left_List").has_value());
}

TEST_F(SettingsStoreTest, AFirstRunKeepsTheConstructorsPlacement) {
    owner.setGeometry(40, 50, 300, 200);
    store.RestorePlacement();
    EXPECT_EQ(owner.pos(), QPoint(40, 50));
    EXPECT_EQ(owner.size(), QSize(300, 200));
}

TEST_F(SettingsStoreTest, PlacementIsSavedAsNumbersAndRestored) {
    {
        QWidget first;
        first.setWindowFlags(Qt::FramelessWindowHint);
        first.setGeometry(60, 70, 320, 210);
        SettingsStore saving(&first);
        saving.SetSectionName("Setup");
    } // the store saves its owner's placement when it goes
    const QByteArray text = StoreFile();
    EXPECT_TRUE(text.contains("[Setup]"));
    EXPECT_TRUE(text.contains("Left=60"));
    EXPECT_TRUE(text.contains("Width=320"));
    EXPECT_TRUE(text.contains("Show=0"));
    QWidget second;
    second.setGeometry(0, 0, 100, 100);
    SettingsStore restoring(&second);
    restoring.SetSectionName("Setup");
    restoring.RestorePlacement();
    EXPECT_EQ(second.pos(), QPoint(60, 70));
    EXPECT_EQ(second.size(), QSize(320, 210));
}

TEST_F(SettingsStoreTest, APlacementValueThatIsMissingOrNotAnIntegerKeepsTheBuiltInOne) {
    WriteStoreFile("[Tandem]\nLeft=30\nTop=4x\nHeight=250\n");
    owner.setGeometry(10, 10, 300, 200);
    store.RestorePlacement();
    EXPECT_EQ(owner.pos(), QPoint(30, 10));
    EXPECT_EQ(owner.size(), QSize(300, 250));
}

TEST_F(SettingsStoreTest, AStoredPlacementIsBroughtOntoTheAvailableScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    WriteStoreFile("[Tandem]\nLeft=-5000\nTop=90000\nWidth=2147483647\nHeight=2147483647\n");
    owner.setGeometry(10, 10, 300, 200);
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), area.size());
    EXPECT_TRUE(area.intersects(QRect(owner.pos(), QSize(owner.width(), 30))));
    EXPECT_LE(owner.y() + 30, area.bottom() + 1);

    // Off to the right and below: brought back so its caption band can be grabbed.
    WriteStoreFile("[Tandem]\nLeft=90000\nTop=90000\nWidth=300\nHeight=200\n");
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), QSize(300, 200));
    EXPECT_TRUE(area.intersects(QRect(owner.pos(), QSize(owner.width(), 30))));
    EXPECT_LE(owner.y() + 30, area.bottom() + 1);

    WriteStoreFile("[Tandem]\nLeft=20\nTop=30\nWidth=40\nHeight=63\n");
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), QSize(SettingsStore::kSmallestWidth, SettingsStore::kSmallestHeight));
    EXPECT_EQ(owner.pos(), QPoint(20, 30));
}

TEST_F(SettingsStoreTest, ARestoredPlacementKeepsTheSmallestSizeThatShowsEveryControl) {
    WriteStoreFile("[Tandem]\nLeft=0\nTop=0\nWidth=100\nHeight=100\n");
    owner.setGeometry(10, 10, 300, 200);
    store.SetSmallestSize(QSize(416, 150));
    store.RestorePlacement();
    EXPECT_EQ(owner.size(), QSize(416, 150));
}

TEST_F(SettingsStoreTest, NothingIsCachedSoAnotherCopysWritesAreSeenAtOnce) {
    store.WriteString("ADepth", "40");
    EXPECT_EQ(store.ReadString("ADepth"), "40");
    WriteStoreFile("[Tandem]\nADepth=75\nDDepth=12345\n");
    EXPECT_EQ(store.ReadString("ADepth"), "75");
    EXPECT_EQ(store.ReadString("DDepth"), "12345");
    store.WriteString("Layout", "1");
    // A write keeps what the other copy wrote.
    EXPECT_TRUE(StoreFile().contains("DDepth=12345"));
}

TEST_F(SettingsStoreTest, AWriteReplacesTheFileWholeAndLeavesNothingBehind) {
    store.WriteString("IColor", "255");
    struct stat before {};
    ASSERT_EQ(stat(SettingsStore::Location().toLocal8Bit().constData(), &before), 0);
    store.WriteString("EColor", "191");
    struct stat after {};
    ASSERT_EQ(stat(SettingsStore::Location().toLocal8Bit().constData(), &after), 0);
    // A new file took the old one's place: the old one stayed whole until the new one was.
    EXPECT_NE(before.st_ino, after.st_ino);
    const QStringList left = QDir(QFileInfo(SettingsStore::Location()).absolutePath())
                                 .entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{"settings_tests.ini"});
}

TEST_F(SettingsStoreTest, ABrokenStoreGivesWhatItCanAndStillTakesWrites) {
    WriteStoreFile(QByteArray("\x00\x01\xff[[[\n=\n[Tandem]\nIColor=5\n\x80 junk ==\n", 40));
    EXPECT_EQ(store.ReadString("IColor"), "5");
    EXPECT_EQ(store.ReadString("EColor"), "");
    EXPECT_FALSE(store.ReadList("Left_List").has_value());
    store.WriteString("EColor", "7");
    EXPECT_EQ(store.ReadString("EColor"), "7");
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeReadOrWrittenIsSilentlyEmpty) {
    store.WriteString("IColor", "255");
    const QString path = SettingsStore::Location();
    const QString folder = QFileInfo(path).absolutePath();
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner));
    if (QFile(path).open(QFile::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(store.ReadString("IColor"), "");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    store.WriteString("IColor", "0");
    store.WriteList("Left_List", Items({"a"}));
    EXPECT_EQ(store.ReadString("IColor"), "255");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SettingsStoreTest, AStoreInTheWayOfAFolderIsSilentlyEmptyAndTakesNothing) {
    QDir().mkpath(SettingsStore::Location());
    owner.setGeometry(40, 50, 300, 200);
    store.RestorePlacement();
    EXPECT_EQ(owner.geometry(), QRect(40, 50, 300, 200));
    store.WriteString("IColor", "255");
    store.WriteList("Left_List", Items({"a"}));
    store.SavePlacement();
    EXPECT_EQ(store.ReadString("IColor"), "");
    EXPECT_FALSE(store.ReadList("Left_List").has_value());
    EXPECT_TRUE(QFileInfo(SettingsStore::Location()).isDir());
}

TEST_F(SettingsStoreTest, ForgetAllStartsAFirstRun) {
    store.WriteString("IColor", "255");
    SettingsStore::ForgetAll();
    EXPECT_EQ(store.ReadString("IColor"), "");
    EXPECT_FALSE(QFile::exists(SettingsStore::Location()));
}

} // namespace
} // namespace tandem
