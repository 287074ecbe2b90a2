// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrollingfixture.h"
#include "toolkit/imageshow.h"
#include "toolkit/shadowlabel.h"

#include <QComboBox>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace tandem {
namespace {

class LayoutTest : public ScrollingTest {
protected:
    QString SplitTooltip() const { return window->toolbar->actions().at(4)->toolTip(); }
    void ClickSplitButton() {
        QWidget* button = window->toolbar->widgetForAction(window->toolbar->actions().at(4));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The row lies in the pane's visible rows.
    static bool Shows(TextPane* pane, int row) {
        const int top = pane->FirstVisibleLine();
        return row >= top && row < top + pane->viewport()->height() / pane->LineHeight();
    }
    // The marker's middle is level with the middle of the row in the pane.
    static void ExpectMarkerAt(const QWidget* marker, TextPane* pane, int row) {
        const QPoint rowTop(0, pane->PointOf(pane->LineStart(row)).y());
        const int rowMiddle = pane->viewport()->mapToGlobal(rowTop).y() + pane->LineHeight() / 2;
        const int markerMiddle = marker->mapToGlobal(QPoint(0, marker->height() / 2)).y();
        EXPECT_NEAR(markerMiddle, rowMiddle, 1);
    }
};

TEST_F(LayoutTest, TogglingTwiceReturnsToTheFirstLayoutWithTheBlockShownEachTime) {
    StartFarApart();
    NextDifference(*window); // the block at row 150
    ASSERT_EQ(window->currentDifference, 1);
    const QRect leftSideBySide = window->sides[kLeft].holder->geometry();
    EXPECT_LE(
        std::abs(window->sides[kLeft].holder->width() - window->sides[kRight].holder->width()), 1);
    EXPECT_FALSE(window->sides[kRight].marker->isVisible());

    window->sides[kLeft].pane->ScrollLines(-LeftTop());
    ClickSplitButton();
    EXPECT_TRUE(window->stacked);
    EXPECT_EQ(SplitTooltip(), "Split vertically");
    EXPECT_LT(window->sides[kLeft].holder->y(), window->sides[kRight].holder->y());
    EXPECT_EQ(window->sides[kLeft].holder->width(), window->sides[kRight].holder->width());
    EXPECT_LE(
        std::abs(window->sides[kLeft].holder->height() - window->sides[kRight].holder->height()),
        1);
    EXPECT_TRUE(Shows(window->sides[kLeft].pane, 150));
    EXPECT_EQ(RightTop(), LeftTop());
    EXPECT_TRUE(window->sides[kRight].marker->isVisible());
    ExpectMarkerAt(window->sides[kLeft].marker, window->sides[kLeft].pane, 150);
    ExpectMarkerAt(window->sides[kRight].marker, window->sides[kRight].pane, 150);

    window->sides[kLeft].pane->ScrollLines(-LeftTop());
    ToggleLayout(*window);
    EXPECT_FALSE(window->stacked);
    EXPECT_EQ(SplitTooltip(), "Split horizontally");
    EXPECT_EQ(window->sides[kLeft].holder->geometry(), leftSideBySide);
    EXPECT_LT(window->sides[kLeft].holder->x(), window->sides[kRight].holder->x());
    EXPECT_TRUE(Shows(window->sides[kLeft].pane, 150));
    EXPECT_EQ(RightTop(), LeftTop());
    EXPECT_FALSE(window->sides[kRight].marker->isVisible());
    ExpectMarkerAt(window->sides[kLeft].marker, window->sides[kLeft].pane, 150);
}

TEST_F(LayoutTest, TheLayoutItemOfThePopupMenuSwitchesTooAndIsRemembered) {
    StartFarApart();
    QAction* layoutItem = window->popupMenu->actions().at(3);
    ASSERT_EQ(layoutItem->text(), "Layout");
    layoutItem->trigger();
    EXPECT_TRUE(window->stacked);
    Start({}); // closing saved the options; the next start comes back stacked
    EXPECT_TRUE(window->stacked);
    EXPECT_EQ(SplitTooltip(), "Split vertically");
    EXPECT_LT(window->sides[kLeft].holder->y(), window->sides[kRight].holder->y());
    EXPECT_TRUE(window->sides[kRight].marker->isVisible());
}

TEST_F(LayoutTest, WithoutDifferencesASwitchShowsBothPanesFromTheFirstLine) {
    QByteArray same;
    for (int line = 0; line < 300; ++line)
        same += "the same line " + QByteArray::number(line) + "\n";
    Start({Write("a.txt", same), Write("b.txt", same)});
    ASSERT_TRUE(Blocks().empty());
    WheelBothTo(100);
    ASSERT_EQ(RightTop(), 100);
    ToggleLayout(*window);
    EXPECT_EQ(LeftTop(), 0);
    EXPECT_EQ(RightTop(), 0);
}

TEST_F(LayoutTest, ResizingKeepsTheSplitInTheMiddleAndTheCaptionsOverTheBoxes) {
    StartLongLines();
    for (bool stacked : {false, true}) {
        SCOPED_TRACE(stacked ? "stacked" : "side by side");
        if (window->stacked != stacked)
            ToggleLayout(*window);
        window->resize(window->width() + 101, window->height() + 77);
        QApplication::processEvents();
        EXPECT_LE(
            std::abs(window->sides[kLeft].pane->width() - window->sides[kRight].pane->width()), 1);
        EXPECT_LE(
            std::abs(window->sides[kLeft].pane->height() - window->sides[kRight].pane->height()),
            1);
        for (auto [caption, box] :
             {std::pair{window->sides[kLeft].caption, window->sides[kLeft].recent},
              std::pair{window->sides[kRight].caption, window->sides[kRight].recent}}) {
            EXPECT_TRUE(box->geometry().contains(caption->geometry()));
            // The drop-down button stays free to open the list.
            EXPECT_LT(caption->geometry().right(), box->geometry().right() - 10);
        }
    }
}

TEST_F(LayoutTest, ASwitchLeavesTheFocusOnTheLeftPaneAndBothPanesAtTheSameOffset) {
    StartLongLines();
    window->sides[kRight].pane->setFocus();
    Key(window->sides[kLeft].pane, Qt::Key_Right);
    Key(window->sides[kLeft].pane, Qt::Key_Right);
    window->sides[kRight].pane->setFocus();
    ToggleLayout(*window);
    EXPECT_EQ(window->focusWidget(), window->sides[kLeft].pane);
    EXPECT_GT(window->sides[kLeft].pane->ScrollPosition().x(), 0);
    EXPECT_EQ(window->sides[kRight].pane->ScrollPosition(),
              window->sides[kLeft].pane->ScrollPosition());
}

} // namespace
} // namespace tandem
