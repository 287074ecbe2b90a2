// SPDX-License-Identifier: GPL-3.0-or-later
// Row N faces row N whatever moves a pane: clicks, caret keys, a selection dragged past an
// edge, sideways caret scrolling and the zoom keys; the markers stay beside their block.
#include "scrollingfixture.h"
#include "toolkit/imageshow.h"

namespace tandem {
namespace {

class InStepTest : public ScrollingTest {
protected:
    TextPane* Left() const { return window->sides[kLeft].pane; }
    TextPane* Right() const { return window->sides[kRight].pane; }
    void ExpectLevel() const {
        EXPECT_EQ(RightTop(), LeftTop());
        EXPECT_EQ(Right()->HorizontalOffset(), Left()->HorizontalOffset());
    }
    static void Press(TextPane* pane, QPoint at) {
        pane->setFocus();
        QTest::mousePress(pane->viewport(), Qt::LeftButton, {}, at);
    }
    static void MoveHeld(TextPane* pane, QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, pane->viewport()->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane->viewport(), &move);
    }
    // Makes the window just so high that the panes' last row is cut in half.
    void CutTheLastRowInHalf() {
        const int lineHeight = Left()->LineHeight();
        for (int tries = 0; tries < lineHeight; ++tries) {
            const int rest = Left()->viewport()->height() % lineHeight;
            if (rest >= lineHeight / 3 && rest <= 2 * lineHeight / 3)
                return;
            window->resize(window->width(), window->height() + 1);
            QApplication::processEvents();
        }
    }
    // The marker lies in its column where the user can see it.
    static bool Seen(const QWidget* marker) {
        return marker->isVisible() && !marker->visibleRegion().isEmpty();
    }
    static void ExpectBeside(const QWidget* marker, TextPane* pane, int row) {
        const QPoint rowTop(0, pane->PointOf(pane->LineStart(row)).y());
        const int rowMiddle = pane->viewport()->mapToGlobal(rowTop).y() + pane->LineHeight() / 2;
        const int markerMiddle = marker->mapToGlobal(QPoint(0, marker->height() / 2)).y();
        EXPECT_NEAR(markerMiddle, rowMiddle, 1);
    }
};

TEST_F(InStepTest, AClickOnTheHalfVisibleLastRowMovesBothPanes) {
    StartLongLines();
    CutTheLastRowInHalf();
    for (TextPane* pane : {Left(), Right()}) {
        Key(pane, Qt::Key_Home);
        const int bottom = pane->viewport()->height() - 2;
        QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, QPoint(20, bottom));
        QApplication::processEvents();
        EXPECT_GT(LeftTop(), 0);
        ExpectLevel();
    }
}

TEST_F(InStepTest, DraggingASelectionPastAnEdgeScrollsBothPanes) {
    StartLongLines();
    for (TextPane* pane : {Left(), Right()}) {
        Key(pane, Qt::Key_Home);
        Press(pane, QPoint(20, 5));
        const QPoint below(20, pane->viewport()->height() + 30);
        for (int step = 0; step < 10; ++step) {
            MoveHeld(pane, below);
            QTest::qWait(30);
        }
        QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, below);
        QApplication::processEvents();
        EXPECT_GT(LeftTop(), 0);
        ExpectLevel();
        EXPECT_GT(pane->SelectionEnd(), pane->SelectionStart());

        Press(pane, QPoint(20, pane->viewport()->height() - 5));
        for (int step = 0; step < 10; ++step) {
            MoveHeld(pane, QPoint(20, -30));
            QTest::qWait(30);
        }
        QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, QPoint(20, -30));
        QApplication::processEvents();
        ExpectLevel();
    }
}

TEST_F(InStepTest, ASelectionDraggedPastTheRightEdgeScrollsBothPanesSideways) {
    StartLongLines();
    for (TextPane* pane : {Left(), Right()}) {
        Key(pane, Qt::Key_Home);
        pane->ScrollHorizontal(ScrollRequest::Thumb, 0);
        const int middle = pane->LineHeight() / 2;
        Press(pane, QPoint(20, middle));
        const QPoint beyond(pane->viewport()->width() + 30, middle);
        for (int step = 0; step < 10; ++step) {
            MoveHeld(pane, beyond);
            QTest::qWait(30);
        }
        QTest::mouseRelease(pane->viewport(), Qt::LeftButton, {}, beyond);
        QApplication::processEvents();
        EXPECT_GT(pane->HorizontalOffset(), 0);
        ExpectLevel();
    }
}

TEST_F(InStepTest, TheWiderTextTakesBothPanesToItsEnd) {
    StartLongLines(); // the right pane's changed lines are the longest
    for (TextPane* pane : {Right(), Left(), Right()}) {
        pane->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
        QApplication::processEvents();
        EXPECT_GT(Right()->HorizontalOffset(), 0);
        ExpectLevel();
    }
}

TEST_F(InStepTest, CaretKeysAndTheWheelKeepThePanesLevelToTheEnd) {
    StartLongLines();
    const std::vector<Qt::Key> keys = {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_End,
                                       Qt::Key_PageUp,   Qt::Key_Down,     Qt::Key_Home};
    for (TextPane* pane : {Left(), Right()}) {
        for (const Qt::Key key : keys) {
            Key(pane, key);
            QApplication::processEvents();
            ExpectLevel();
        }
        Key(pane, Qt::Key_End);
        for (int notch = 0; notch < 3; ++notch)
            Wheel(pane->viewport(), -kNotchDelta);
        ExpectLevel();
    }
}

TEST_F(InStepTest, ZoomingLeavesBothPanesAtTheStandardSize) {
    StartLongLines();
    WheelBothTo(40);
    const int lineHeight = Left()->LineHeight();
    for (TextPane* pane : {Left(), Right()}) {
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_Minus, Qt::ControlModifier);
        const QPointF at(20, 20);
        QWheelEvent wheel(at, pane->viewport()->mapToGlobal(at), QPoint(), QPoint(0, kNotchDelta),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pane->viewport(), &wheel);
        pane->zoomIn(3);
        QApplication::processEvents();
    }
    for (TextPane* pane : {Left(), Right()}) {
        EXPECT_EQ(pane->LineHeight(), lineHeight);
        EXPECT_EQ(pane->SendScintilla(QsciScintillaBase::SCI_GETZOOM), 0);
        const auto standard = static_cast<unsigned long>(QsciScintillaBase::STYLE_DEFAULT);
        EXPECT_EQ(pane->SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, standard), 8);
    }
    ExpectLevel();
}

TEST_F(InStepTest, TheMarkerFollowsItsBlockAndIsHiddenWhileTheBlockIsOutOfView) {
    StartFarApart();
    NextDifference(*window); // the block at row 150
    QWidget* marker = window->sides[kLeft].marker;
    ASSERT_TRUE(Seen(marker));
    ExpectBeside(marker, Left(), 150);

    for (int notch = 0; notch < 12; ++notch)
        Wheel(Left()->viewport(), -kNotchDelta); // 60 lines on: row 150 is above the view
    QApplication::processEvents();               // the panes are drawn
    EXPECT_FALSE(Seen(marker));
    for (int notch = 0; notch < 11; ++notch)
        Wheel(Right()->viewport(), kNotchDelta);
    QApplication::processEvents();
    ASSERT_TRUE(Seen(marker));
    ExpectBeside(marker, Left(), 150);

    window->resize(window->width() - 120, window->height() - 90);
    QApplication::processEvents();
    if (Seen(marker))
        ExpectBeside(marker, Left(), 150);
    else
        EXPECT_FALSE(Left()->FirstVisibleLine() <= 150 &&
                     150 < Left()->FirstVisibleLine() +
                               Left()->viewport()->height() / Left()->LineHeight());

    ToggleLayout(*window);
    QWidget* rightMarker = window->sides[kRight].marker;
    ASSERT_TRUE(Seen(marker));
    ASSERT_TRUE(Seen(rightMarker));
    ExpectBeside(marker, Left(), 150);
    ExpectBeside(rightMarker, Right(), 150);
    Key(Right(), Qt::Key_Down);
    Key(Right(), Qt::Key_Down);
    QApplication::processEvents();
    ExpectBeside(marker, Left(), 150);
    ExpectBeside(rightMarker, Right(), 150);
    window->resize(window->width() + 200, window->height() + 150);
    QApplication::processEvents();
    for (Side side : kEachSide) {
        if (Seen(window->sides[side].marker))
            ExpectBeside(window->sides[side].marker, window->sides[side].pane, 150);
    }
    for (int notch = 0; notch < 20; ++notch)
        Wheel(Left()->viewport(), -kNotchDelta);
    QApplication::processEvents();
    EXPECT_FALSE(Seen(marker));
    EXPECT_FALSE(Seen(rightMarker));
}

} // namespace
} // namespace tandem
