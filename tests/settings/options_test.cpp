// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands.h"
#include "app/mainwindow.h"
#include "engine/comparison.h"
#include "settings/settingnames.h"
#include "tempconfig.h"
#include "toolkit/colours.h"
#include "toolkit/docklayout.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <climits>
#include <gtest/gtest.h>

namespace tandem {
namespace {

class OptionsTest : public ::testing::Test {
protected:
    void Store(const QByteArray& text) {
        const QString path = SettingsStore::Location();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QFile::WriteOnly | QFile::Truncate));
        file.write(text);
    }
    void Start() { window = BuildMainWindow({"tandemview"}); }
    QString Raw(const char* name) const {
        return QSettings(SettingsStore::Location(), QSettings::IniFormat)
            .value(QStringLiteral("Tandem/") + name)
            .toString();
    }
    Dock LeftHolderDock() const {
        return DockLayoutOf(window->mainArea)->DockOf(window->sides[kLeft].holder);
    }

    TempConfig config;
    std::unique_ptr<MainWindow> window;
};

TEST_F(OptionsTest, AFirstRunKeepsTheBuiltInOptionsAndThePlaceOfTheWindow) {
    Start();
    EXPECT_EQ(window->pos(), QPoint(195, 151));
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    EXPECT_EQ(window->insertColour, SystemColour(kTooltipBackgroundColour));
    EXPECT_EQ(window->differenceColour1, QColor(255, 0, 0));
    EXPECT_EQ(window->differenceColour2, QColor(191, 0, 0));
    EXPECT_EQ(window->differenceColour3, QColor(0, 0, 255));
    EXPECT_FALSE(window->stacked);
    EXPECT_EQ(window->status->PartText(0), "");
    EXPECT_EQ(window->status->PartText(1), "");
}

TEST_F(OptionsTest, AStoreThatCannotBeReadLeavesTheBuiltInOptions) {
    QDir().mkpath(SettingsStore::Location()); // a folder where the file should be
    Start();
    EXPECT_EQ(window->pos(), QPoint(195, 151));
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    SaveOptions(*window);
    window.reset();
    EXPECT_TRUE(QFileInfo(SettingsStore::Location()).isDir());
}

TEST_F(OptionsTest, ThePlacementIsSavedOnCloseAndRestoredOnTheNextStart) {
    Start();
    window->move(120, 90);
    window->resize(700, 520);
    window->close();
    window.reset();
    EXPECT_EQ(Raw("Left"), "120");
    EXPECT_EQ(Raw("Width"), "700");
    EXPECT_EQ(Raw("Show"), "0");
    Start();
    EXPECT_EQ(window->pos(), QPoint(120, 90));
    EXPECT_EQ(window->size(), QSize(700, 520));
}

TEST_F(OptionsTest, NothingIsLoadedWithoutAnInsertColour) {
    Store("[Tandem]\nEColor=65280\nADepth=70\nDDepth=10\nLayout=1\nBColor=0\n");
    Start();
    EXPECT_EQ(window->differenceColour1, QColor(255, 0, 0));
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    EXPECT_FALSE(window->stacked);
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), SystemColour(kWindowColour));
    EXPECT_EQ(window->status->PartText(0), "");
}

TEST_F(OptionsTest, StoredOptionsAreLoadedAndShown) {
    Store("[Tandem]\nIColor=16776960\nEColor=65280\nDColor=128\nLColor=8421504\n"
          "BColor=12632256\nADepth=70\nDDepth=300\nLayout=1\n");
    Start();
    EXPECT_EQ(window->insertColour, QColor(0, 255, 255));
    EXPECT_EQ(window->differenceColour1, QColor(0, 255, 0));
    EXPECT_EQ(window->differenceColour2, QColor(128, 0, 0));
    EXPECT_EQ(window->differenceColour3, QColor(128, 128, 128));
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), QColor(192, 192, 192));
    EXPECT_EQ(window->sides[kRight].pane->BackgroundColour(), QColor(192, 192, 192));
    EXPECT_EQ(window->depth, 70);
    EXPECT_EQ(window->lookup, 300);
    EXPECT_TRUE(window->stacked);
    EXPECT_EQ(LeftHolderDock(), Dock::Top);
    EXPECT_EQ(window->status->PartText(0), "Depth: 70%");
    EXPECT_EQ(window->status->PartText(1), "Lookup: 300 lines");
}

TEST_F(OptionsTest, MissingColoursReadAsBlackExceptDifferenceColour3) {
    Store("[Tandem]\nIColor=255\n");
    Start();
    EXPECT_EQ(window->insertColour, QColor(255, 0, 0));
    EXPECT_EQ(window->differenceColour1, QColor(0, 0, 0));
    EXPECT_EQ(window->differenceColour2, QColor(0, 0, 0));
    EXPECT_EQ(window->differenceColour3, QColor(0, 0, 255)); // the built-in one stays
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), QColor(0, 0, 0));
    EXPECT_EQ(window->sides[kRight].pane->BackgroundColour(), QColor(0, 0, 0));
    // Missing numbers read as 0 and give the built-in ones.
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    EXPECT_FALSE(window->stacked);
}

TEST_F(OptionsTest, ZeroNumbersGiveTheBuiltInOnesAndOtherLayoutsAreSideBySide) {
    Store("[Tandem]\nIColor=255\nADepth=0\nDDepth=0\nLayout=2\n");
    Start();
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    EXPECT_FALSE(window->stacked);
    EXPECT_EQ(LeftHolderDock(), Dock::Left);
    EXPECT_EQ(window->status->PartText(0), "Depth: 50%");
    EXPECT_EQ(window->status->PartText(1), "Lookup: 2000 lines");
}

TEST_F(OptionsTest, NumbersAreReadByTheirLeadingDigits) {
    Store("[Tandem]\nIColor=255\nADepth=75%\nDDepth=-12 lines\nLayout=one\n");
    Start();
    EXPECT_EQ(window->depth, 75);
    EXPECT_EQ(window->lookup, -12); // the engine reads a negative lookup as 0
    EXPECT_FALSE(window->stacked);
}

TEST_F(OptionsTest, AStoredDepthOutsideItsRangeIsBroughtIntoIt) {
    Store("[Tandem]\nIColor=255\nADepth=150\n");
    Start();
    EXPECT_EQ(window->depth, 100);
    window.reset();
    Store("[Tandem]\nIColor=255\nADepth=-5\n");
    Start();
    EXPECT_EQ(window->depth, 50); // -5 becomes 0, and a depth of 0 the built-in one
}

TEST_F(OptionsTest, ASystemColourIsLookedUpWhenLoaded) {
    Store("[Tandem]\nIColor=-2147483624\nBColor=-2147483643\n");
    Start();
    EXPECT_EQ(window->insertColour, SystemColour(kTooltipBackgroundColour));
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), SystemColour(kWindowColour));
}

TEST_F(OptionsTest, SavedOptionsAreColourCodesAndDecimalNumbers) {
    Start();
    window->differenceColour1 = QColor(1, 2, 3);
    window->depth = 65;
    window->lookup = -4;
    SaveOptions(*window);
    EXPECT_EQ(Raw(settings::kInsertColour),
              QString::number(CodeFromColour(SystemColour(kTooltipBackgroundColour))));
    EXPECT_EQ(Raw(settings::kDifferenceColour1), QString::number(0x030201));
    EXPECT_EQ(Raw(settings::kDifferenceColour2), "191");
    EXPECT_EQ(Raw(settings::kDifferenceColour3), "16711680");
    EXPECT_EQ(Raw(settings::kDepth), "65");
    EXPECT_EQ(Raw(settings::kLookup), "-4");
    EXPECT_EQ(Raw(settings::kLayout), "0");
    // Never chosen: the system's window colour, as its code.
    EXPECT_EQ(Raw(settings::kBackgroundColour), "-2147483643");
    window->stacked = true;
    window->sides[kLeft].pane->SetBackgroundColour(QColor(10, 20, 30));
    window->backgroundChosen = true;
    SaveOptions(*window);
    EXPECT_EQ(Raw(settings::kLayout), "1");
    EXPECT_EQ(Raw(settings::kBackgroundColour), QString::number(0x1E140A));
}

TEST_F(OptionsTest, SavedOptionsComeBackOnTheNextStart) {
    Start();
    window->insertColour = QColor(9, 8, 7);
    window->differenceColour3 = QColor(6, 5, 4);
    window->depth = 33;
    window->lookup = 444;
    window->stacked = true;
    SaveOptions(*window);
    window.reset();
    Start();
    EXPECT_EQ(window->insertColour, QColor(9, 8, 7));
    EXPECT_EQ(window->differenceColour3, QColor(6, 5, 4));
    EXPECT_EQ(window->depth, 33);
    EXPECT_EQ(window->lookup, 444);
    EXPECT_TRUE(window->stacked);
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), SystemColour(kWindowColour));
}

// The lookup is used as given, however large or negative: the engine copes with either.
TEST(LookupOption, AnyNumberIsSafeForTheEngine) {
    const std::vector<std::string_view> left{"a", "b", "c", "d", "e"};
    const std::vector<std::string_view> right{"a", "x", "c", "e", "f"};
    for (const int lookup : {-7, 0, 1, INT_MAX}) {
        CompareOptions options;
        options.lookup = lookup;
        const ComparisonResult result = Compare(left, right, options);
        EXPECT_EQ(result.ending, RunEnding::Completed) << lookup;
        EXPECT_EQ(result.left.size(), result.right.size()) << lookup;
        EXPECT_GE(result.left.size(), 5u) << lookup;
    }
}

} // namespace
} // namespace tandem
