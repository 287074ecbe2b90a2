// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrollingfixture.h"

namespace tandem {
namespace {

TEST_F(ScrollingTest, ArrowKeysScrollBothPanesByOneLineAndNeverMoveTheCaret) {
    StartFarApart();
    WheelBothTo(10);
    ASSERT_EQ(LeftTop(), 10);
    ASSERT_EQ(RightTop(), 10);
    const int caret = Caret();

    Key(window->sides[kLeft].pane, Qt::Key_Down);
    EXPECT_EQ(LeftTop(), 11);
    EXPECT_EQ(RightTop(), 11);
    Key(window->sides[kRight].pane, Qt::Key_Down);
    EXPECT_EQ(LeftTop(), 12);
    EXPECT_EQ(RightTop(), 12);
    Key(window->sides[kLeft].pane, Qt::Key_Up);
    EXPECT_EQ(LeftTop(), 11);
    EXPECT_EQ(RightTop(), 11);
    EXPECT_EQ(Caret(), caret);

    Key(window->sides[kLeft].pane, Qt::Key_End);
    EXPECT_GT(LeftTop(), 250);
    EXPECT_EQ(RightTop(), LeftTop());
    Key(window->sides[kRight].pane, Qt::Key_Home);
    EXPECT_EQ(LeftTop(), 0);
    EXPECT_EQ(RightTop(), 0);
    EXPECT_EQ(Caret(), caret);
}

TEST_F(ScrollingTest, LeftAndRightScrollBothPanesSideways) {
    StartLongLines();
    const QPoint at = window->sides[kLeft].pane->ScrollPosition();
    Key(window->sides[kLeft].pane, Qt::Key_Right);
    Key(window->sides[kLeft].pane, Qt::Key_Right);
    const int x = window->sides[kLeft].pane->ScrollPosition().x();
    EXPECT_GT(x, at.x());
    EXPECT_EQ(window->sides[kRight].pane->ScrollPosition().x(), x);
    Key(window->sides[kRight].pane, Qt::Key_Left);
    EXPECT_LT(window->sides[kLeft].pane->ScrollPosition().x(), x);
    EXPECT_EQ(window->sides[kRight].pane->ScrollPosition().x(),
              window->sides[kLeft].pane->ScrollPosition().x());
}

TEST_F(ScrollingTest, PageDownPagesBothPanesAndStillReachesTheFocusedPane) {
    StartFarApart();
    Key(window->sides[kRight].pane, Qt::Key_Home);
    const int caret = Caret();
    Key(window->sides[kRight].pane, Qt::Key_PageDown);
    EXPECT_GT(RightTop(), 5);
    EXPECT_EQ(LeftTop(), RightTop());
    EXPECT_GT(window->sides[kRight].pane->SelectionStart(),
              0); // the focused pane's caret paged too
    EXPECT_EQ(Caret(), caret);
    Key(window->sides[kLeft].pane, Qt::Key_PageDown);
    Key(window->sides[kLeft].pane, Qt::Key_PageUp);
    EXPECT_EQ(LeftTop(), RightTop());
}

TEST_F(ScrollingTest, AWheelNotchScrollsBothPanesByFiveLinesOnce) {
    StartFarApart();
    WheelBothTo(20);
    Wheel(window->sides[kLeft].pane->viewport(), -120);
    EXPECT_EQ(LeftTop(), 25);
    EXPECT_EQ(RightTop(), 25);
    Wheel(window->sides[kRight].pane->viewport(), 120);
    EXPECT_EQ(LeftTop(), 20);
    EXPECT_EQ(RightTop(), 20);
    // Two notches in one turn, then a fine wheel in halves of a notch.
    Wheel(window->sides[kRight].pane->viewport(), -240);
    EXPECT_EQ(LeftTop(), 30);
    EXPECT_EQ(RightTop(), 30);
    Wheel(window->sides[kLeft].pane->viewport(), -60);
    Wheel(window->sides[kLeft].pane->viewport(), -60);
    EXPECT_EQ(LeftTop(), 35);
    EXPECT_EQ(RightTop(), 35);
    // Over the scroll bar the wheel does what it does over the text.
    Wheel(window->sides[kRight].pane->verticalScrollBar(), -120);
    EXPECT_EQ(LeftTop(), 40);
    EXPECT_EQ(RightTop(), 40);
}

TEST_F(ScrollingTest, ThumbDragsKeepThePanesInStepInBothLayouts) {
    StartFarApart();
    for (bool stacked : {false, true}) {
        SCOPED_TRACE(stacked ? "stacked" : "side by side");
        if (window->stacked != stacked)
            ToggleLayout(*window);
        Key(window->sides[kLeft].pane, Qt::Key_Home);
        DragThumb(window->sides[kRight].pane, 40);
        EXPECT_GT(RightTop(), 10);
        EXPECT_EQ(LeftTop(), RightTop());
        const int top = LeftTop();
        DragThumb(window->sides[kLeft].pane, 30);
        EXPECT_GT(LeftTop(), top);
        EXPECT_EQ(RightTop(), LeftTop());
    }
}

TEST_F(ScrollingTest, RowsScrolledIntoViewByTheOtherPaneAreColoured) {
    StartFarApart();
    Paint();
    Key(window->sides[kLeft].pane, Qt::Key_Home);
    Paint();
    ASSERT_TRUE(FormatOfRow(window->sides[kRight].pane, 150).autoBackground); // not shown yet
    WheelBothTo(140);
    ASSERT_EQ(RightTop(), 140);
    Paint();
    EXPECT_EQ(FormatOfRow(window->sides[kRight].pane, 150).background, window->differenceColour3);
}

} // namespace
} // namespace tandem
