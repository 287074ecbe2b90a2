// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window on two files, with the user's ways of scrolling a pane: keys, the wheel
// and dragging a scroll bar's thumb.
#pragma once

#include "comparingfixture.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

namespace tandem {

class ScrollingTest : public ComparingTest {
protected:
    // 300 rows in both panes, changed rows at 50, 150 and 250; every line wider than a pane.
    void StartLongLines() {
        QByteArray left;
        QByteArray right;
        for (int line = 0; line < 300; ++line) {
            const QByteArray text =
                "line " + QByteArray::number(line) + " " + QByteArray(300, 'x') + "\n";
            left += text;
            right += line % 100 == 50 ? "changed " + text : text;
        }
        Start({Write("long/left.txt", left), Write("long/right.txt", right)});
    }
    static void Key(TextPane* pane, Qt::Key key) {
        pane->setFocus();
        QTest::keyClick(pane, key);
    }
    // A wheel turn over the pane's text, in eighths of a degree (+120: one notch up).
    static void Wheel(QWidget* over, int delta) {
        const QPointF at(over->width() / 2, over->height() / 2);
        QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    }
    // Drags the thumb of the pane's vertical scroll bar down by the given pixels.
    static void DragThumb(TextPane* pane, int pixels) {
        QScrollBar* bar = pane->verticalScrollBar();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QPoint thumb =
            bar->style()
                ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
                .center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, thumb + QPoint(0, pixels),
                         bar->mapToGlobal(thumb + QPoint(0, pixels)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(0, pixels));
    }
    // Brings both panes to the line with wheel notches, as a user would.
    void WheelBothTo(int line) {
        Key(window->sides[kLeft].pane, Qt::Key_Home);
        for (int notch = 0; notch < line / kLinesPerNotch; ++notch)
            Wheel(window->sides[kLeft].pane->viewport(), -kNotchDelta);
        for (int rest = 0; rest < line % kLinesPerNotch; ++rest)
            Key(window->sides[kLeft].pane, Qt::Key_Down);
    }
    static constexpr int kNotchDelta = 120;
    static constexpr int kLinesPerNotch = 5;

    int LeftTop() const { return window->sides[kLeft].pane->FirstVisibleLine(); }
    int RightTop() const { return window->sides[kRight].pane->FirstVisibleLine(); }
    int Caret() const { return window->sides[kLeft].pane->SelectionStart(); }
};

} // namespace tandem
