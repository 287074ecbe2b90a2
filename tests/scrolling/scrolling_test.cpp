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

    Key(window->leftPane, Qt::Key_Down);
    EXPECT_EQ(LeftTop(), 11);
    EXPECT_EQ(RightTop(), 11);
    Key(window->rightPane, Qt::Key_Down);
    EXPECT_EQ(LeftTop(), 12);
    EXPECT_EQ(RightTop(), 12);
    Key(window->leftPane, Qt::Key_Up);
    EXPECT_EQ(LeftTop(), 11);
    EXPECT_EQ(RightTop(), 11);
    EXPECT_EQ(Caret(), caret);

    Key(window->leftPane, Qt::Key_End);
    EXPECT_GT(LeftTop(), 250);
    EXPECT_EQ(RightTop(), LeftTop());
    Key(window->rightPane, Qt::Key_Home);
    EXPECT_EQ(LeftTop(), 0);
    EXPECT_EQ(RightTop(), 0);
    EXPECT_EQ(Caret(), caret);
}

TEST_F(ScrollingTest, LeftAndRightScrollBothPanesSideways) {
    StartLongLines();
    const QPoint at = window->leftPane->ScrollPosition();
    Key(window->leftPane, Qt::Key_Right);
    Key(window->leftPane, Qt::Key_Right);
    const int x = window->leftPane->ScrollPosition().x();
    EXPECT_GT(x, at.x());
    EXPECT_EQ(window->rightPane->ScrollPosition().x(), x);
    Key(window->rightPane, Qt::Key_Left);
    EXPECT_LT(window->leftPane->ScrollPosition().x(), x);
    EXPECT_EQ(window->rightPane->ScrollPosition().x(), window->leftPane->ScrollPosition().x());
}

TEST_F(ScrollingTest, PageDownPagesBothPanesAndStillReachesTheFocusedPane) {
    StartFarApart();
    Key(window->rightPane, Qt::Key_Home);
    const int caret = Caret();
    Key(window->rightPane, Qt::Key_PageDown);
    EXPECT_GT(RightTop(), 5);
    EXPECT_EQ(LeftTop(), RightTop());
    EXPECT_GT(window->rightPane->SelectionStart(), 0); // the focused pane's caret paged too
    EXPECT_EQ(Caret(), caret);
    Key(window->leftPane, Qt::Key_PageDown);
    Key(window->leftPane, Qt::Key_PageUp);
    EXPECT_EQ(LeftTop(), RightTop());
}

TEST_F(ScrollingTest, AWheelNotchScrollsBothPanesByFiveLinesOnce) {
    StartFarApart();
    WheelBothTo(20);
    Wheel(window->leftPane->viewport(), -120);
    EXPECT_EQ(LeftTop(), 25);
    EXPECT_EQ(RightTop(), 25);
    Wheel(window->rightPane->viewport(), 120);
    EXPECT_EQ(LeftTop(), 20);
    EXPECT_EQ(RightTop(), 20);
    // Two notches in one turn, then a fine wheel in halves of a notch.
    Wheel(window->rightPane->viewport(), -240);
    EXPECT_EQ(LeftTop(), 30);
    EXPECT_EQ(RightTop(), 30);
    Wheel(window->leftPane->viewport(), -60);
    Wheel(window->leftPane->viewport(), -60);
    EXPECT_EQ(LeftTop(), 35);
    EXPECT_EQ(RightTop(), 35);
    // Over the scroll bar the wheel does what it does over the text.
    Wheel(window->rightPane->verticalScrollBar(), -120);
    EXPECT_EQ(LeftTop(), 40);
    EXPECT_EQ(RightTop(), 40);
}

TEST_F(ScrollingTest, ThumbDragsKeepThePanesInStepInBothLayouts) {
    StartFarApart();
    for (bool stacked : {false, true}) {
        SCOPED_TRACE(stacked ? "stacked" : "side by side");
        if (window->stacked != stacked)
            ToggleLayout(*window);
        Key(window->leftPane, Qt::Key_Home);
        DragThumb(window->rightPane, 40);
        EXPECT_GT(RightTop(), 10);
        EXPECT_EQ(LeftTop(), RightTop());
        const int top = LeftTop();
        DragThumb(window->leftPane, 30);
        EXPECT_GT(LeftTop(), top);
        EXPECT_EQ(RightTop(), LeftTop());
    }
}

TEST_F(ScrollingTest, RowsScrolledIntoViewByTheOtherPaneAreColoured) {
    StartFarApart();
    Paint();
    Key(window->leftPane, Qt::Key_Home);
    Paint();
    ASSERT_TRUE(FormatOfRow(window->rightPane, 150).autoBackground); // not shown yet
    WheelBothTo(140);
    ASSERT_EQ(RightTop(), 140);
    Paint();
    EXPECT_EQ(FormatOfRow(window->rightPane, 150).background, window->differenceColour3);
}

} // namespace
} // namespace tandem
