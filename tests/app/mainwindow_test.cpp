// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/settingnames.h"
#include "toolkit/docklayout.h"
#include "toolkit/imageshow.h"
#include "toolkit/questionbox.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"
#include "windows/roundedframe.h"

#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tandem {
namespace {

Dock DockIn(QWidget* parent, QWidget* child) {
    return dynamic_cast<DockLayout*>(parent->layout())->DockOf(child);
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        SettingsStore::ForgetAll();
        window = BuildMainWindow({"tandemview"});
    }
    ~MainWindowTest() override {
        window.reset();
        SettingsStore::ForgetAll();
    }
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartsAtItsPlaceWithItsClientAreaColourAndFont) {
    EXPECT_EQ(window->windowTitle(), "Tandemview");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->pos(), QPoint(195, 151));
    EXPECT_EQ(window->contentsRect().size(), QSize(821, 492 + window->status->height()));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(236, 233, 216));
    EXPECT_EQ(window->font().family(), "Arial");
    EXPECT_TRUE(window->font().bold());
    EXPECT_EQ(Program().main, window.get());
    ASSERT_NE(Program().mainFrame, nullptr);
    EXPECT_EQ(Program().mainFrame->Radius(), 20);
    EXPECT_EQ(Program().setup, nullptr); // the start-up placeholder is gone
}

TEST_F(MainWindowTest, ControlsSitWhereTheyBelong) {
    EXPECT_EQ(DockIn(window.get(), window->markerColumn), Dock::Left);
    EXPECT_EQ(window->markerColumn->width(), 17);
    EXPECT_EQ(window->markerColumn->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(DockIn(window.get(), window->mainArea), Dock::Client);
    EXPECT_EQ(DockIn(window.get(), window->toolbar), Dock::Top);
    EXPECT_EQ(window->sides[kLeft].marker->geometry(), QRect(-1, 63, 16, 25));
    EXPECT_EQ(window->sides[kRight].marker->geometry(), QRect(-1, 135, 16, 25));
    EXPECT_FALSE(window->sides[kLeft].marker->isVisible());
    EXPECT_FALSE(window->sides[kRight].marker->isVisible());
    EXPECT_EQ(window->images.Count(), 1);

    EXPECT_EQ(DockIn(window->mainArea, window->sides[kLeft].holder), Dock::Left);
    EXPECT_EQ(window->sides[kLeft].holder->width(), window->mainArea->width() / 2);
    EXPECT_EQ(DockIn(window->mainArea, window->sides[kRight].holder), Dock::Client);
    EXPECT_EQ(window->sides[kRight].holder->geometry().left(),
              window->sides[kLeft].holder->width());
    EXPECT_EQ(window->sides[kRight].holder->geometry().right(), window->mainArea->width() - 1);
    for (QComboBox* recent : {window->sides[kLeft].recent, window->sides[kRight].recent}) {
        EXPECT_EQ(DockIn(recent->parentWidget(), recent), Dock::Top);
        EXPECT_TRUE(recent->isEditable());
        EXPECT_EQ(recent->insertPolicy(), QComboBox::NoInsert);
        EXPECT_FALSE(recent->font().bold());
    }
    for (TextPane* pane : {window->sides[kLeft].pane, window->sides[kRight].pane}) {
        EXPECT_EQ(DockIn(pane->parentWidget(), pane), Dock::Client);
        EXPECT_TRUE(pane->isReadOnly());
        EXPECT_EQ(pane->SelectionFormat().face, "Courier New");
        EXPECT_EQ(pane->SelectionFormat().points, 8);
    }
}

TEST_F(MainWindowTest, CaptionRowsLieOverTheRecentFileBoxesTextFields) {
    for (auto [caption, recent] :
         {std::pair{window->sides[kLeft].caption, window->sides[kLeft].recent},
          std::pair{window->sides[kRight].caption, window->sides[kRight].recent}}) {
        EXPECT_TRUE(caption->isVisible());
        EXPECT_EQ(caption->Depth(), 1);
        EXPECT_FALSE(caption->font().bold());
        EXPECT_TRUE(caption->text().isEmpty());
        EXPECT_TRUE(recent->geometry().contains(caption->geometry()));
        EXPECT_LT(caption->geometry().right(), recent->geometry().right() - 8); // button free
        EXPECT_GT(caption->width(), recent->width() / 2);
    }
}

TEST_F(MainWindowTest, TheCaptionRowHidesTheBoxsOwnTextField) {
    for (Side side : kEachSide) {
        PaneSide& held = window->sides[side];
        held.caption->setText(QString());
        {
            const QSignalBlocker noPick(held.recent);
            held.recent->setEditText(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
        }
        const QImage shown = held.holder->grab().toImage();
        const QRect place = held.caption->geometry();
        const QRgb background = shown.pixel(place.center());
        int otherPixels = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                otherPixels += shown.pixel(x, y) != background;
        EXPECT_EQ(otherPixels, 0) << "the box's text shows through the caption row";
    }
}

TEST_F(MainWindowTest, ToolbarHasItsFifteenEntriesWithTooltips) {
    // Each tooltip names the keys of its command.
    const QStringList expected = {"Open file (left window) (Ctrl+O)",
                                  "Open file (right window) (Ctrl+Shift+O)",
                                  "-",
                                  "Recompare (F5)",
                                  "Split horizontally/vertically",
                                  "-",
                                  "First difference (Alt+Home)",
                                  "Prev. difference (F7, Alt+Up)",
                                  "Next difference (F8, Alt+Down)",
                                  "Last difference (Alt+End)",
                                  "-",
                                  "Setup",
                                  "About",
                                  "-",
                                  "Exit (Ctrl+Q)"};
    QStringList seen;
    for (QAction* action : window->toolbar->actions()) {
        seen << (action->isSeparator() ? "-" : action->toolTip());
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull());
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(MainWindowTest, StatusLineHasFiveEmptyParts) {
    EXPECT_FALSE(window->status->IsSimple());
    ASSERT_EQ(window->status->PartCount(), 5);
    for (int part = 0; part < 5; ++part)
        EXPECT_TRUE(window->status->PartText(part).isEmpty());
    EXPECT_EQ(window->status->PartRect(4).right(), window->status->width() - 1);
}

TEST_F(MainWindowTest, PopupMenuHasItsItems) {
    QStringList seen;
    for (QAction* action : window->popupMenu->actions())
        seen << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(seen, (QStringList{"Copy", "Delete", "-", "Layout"}));
}

TEST_F(MainWindowTest, BuiltInOptionsAreSet) {
    EXPECT_EQ(window->differenceColour1, QColor(255, 0, 0));
    EXPECT_EQ(window->differenceColour2, QColor(191, 0, 0));
    EXPECT_EQ(window->differenceColour3, QColor(0, 0, 255));
    EXPECT_EQ(window->insertColour, QPalette().color(QPalette::ToolTipBase));
    EXPECT_EQ(window->depth, 50);
    EXPECT_EQ(window->lookup, 2000);
    EXPECT_FALSE(window->stacked);
    EXPECT_TRUE(window->alignedText); // start-up compares even two empty panes
    ASSERT_TRUE(window->blocks);
    EXPECT_EQ(window->blocks->Count(), 0);
}

TEST_F(MainWindowTest, ResizingLaysTheWindowOutAgain) {
    const int paneWidth = window->sides[kRight].pane->width();
    window->resize(window->width() + 200, window->height() + 100);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window->sides[kRight].pane->width(),
              paneWidth + 100); // the split stays in the middle
    EXPECT_EQ(window->sides[kLeft].holder->width(), window->mainArea->width() / 2);
    EXPECT_EQ(window->status->geometry().bottom(), window->contentsRect().bottom());
    EXPECT_TRUE(window->sides[kRight].recent->geometry().contains(
        window->sides[kRight].caption->geometry()));
}

TEST_F(MainWindowTest, ExitClosesTheWindowAndReleasesTheResults) {
    QToolButton* exit = nullptr;
    for (QToolButton* button : window->toolbar->findChildren<QToolButton*>()) {
        if (button->defaultAction() && button->defaultAction()->toolTip().startsWith("Exit"))
            exit = button;
    }
    ASSERT_NE(exit, nullptr);
    QTest::mouseClick(exit, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->blocks);
    EXPECT_FALSE(window->sides[kLeft].marks);
}

TEST(MainWindowStart, CommandLineFilesGoToTheSettings) {
    SettingsStore::ForgetAll();
    auto window = BuildMainWindow({"tandemview", "-x", "left.txt", "/y", "mid.txt", "right.txt"});
    EXPECT_EQ(window->settings->ReadString(settings::kLeftFile), "left.txt");
    EXPECT_EQ(window->settings->ReadString(settings::kRightFile), "right.txt");
    window.reset();
    SettingsStore::ForgetAll();
}

TEST(MainWindowStart, PlacementIsSavedWhenTheWindowGoesAndRestoredNextTime) {
    SettingsStore::ForgetAll();
    auto first = BuildMainWindow({"tandemview"});
    first->setGeometry(100, 120, 700, 500);
    first.reset();
    auto second = BuildMainWindow({"tandemview"});
    EXPECT_EQ(second->size(), QSize(700, 500));
    second.reset();
    SettingsStore::ForgetAll();
}

class AskYesNoTest : public ::testing::Test {
protected:
    ~AskYesNoTest() override { QuestionBox::SetAnswerHook({}); }

    // Answers with a key, as a person would, and notes how the box looked.
    void AnswerWith(Qt::Key key, int buttonToFocus = 0) {
        QuestionBox::SetAnswerHook([this, key, buttonToFocus](QuestionBox& box) {
            const auto* frame = box.findChild<RoundedFrame*>();
            hadCaption = !frame || frame->HasCaption();
            radius = frame ? frame->Radius() : 0;
            clientHeight = box.contentsRect().height();
            captions.clear();
            for (QPushButton* button : box.Buttons())
                captions << button->text();
            box.show();
            box.Buttons()[buttonToFocus]->setFocus();
            QTest::keyClick(box.focusWidget(), key);
            return box.result();
        });
    }

    bool hadCaption = true;
    int radius = 0;
    int clientHeight = 0;
    QStringList captions;
};

TEST_F(AskYesNoTest, YesIsTrueAndTheBoxWearsAFrameWithoutCaption) {
    AnswerWith(Qt::Key_Return);
    EXPECT_TRUE(AskYesNo("Save changes ?"));
    EXPECT_FALSE(hadCaption);
    EXPECT_EQ(radius, 10);
    EXPECT_EQ(captions, (QStringList{"  Yes  ", "  No  "}));
    EXPECT_EQ(clientHeight, 100);
}

TEST_F(AskYesNoTest, NoOrEscapeIsFalse) {
    AnswerWith(Qt::Key_Return, 1);
    EXPECT_FALSE(AskYesNo("Save changes ?"));
    AnswerWith(Qt::Key_Escape);
    EXPECT_FALSE(AskYesNo("The names of the files are different. Compare anyway ?"));
}

} // namespace
} // namespace tandem
