// SPDX-License-Identifier: GPL-3.0-or-later
// Makes a pane's scroll bars report to the pane itself: every move of either bar reaches the
// pane as a ScrollEvent, and the wheel turned over the vertical bar reaches the pane as if it
// had been turned over the text, so the pane's event hook sees all of its scrolling.
#pragma once

#include "panes/forwardscrolling.h"

#include <QObject>

namespace tandem {

class TextPane;

class ScrollRelay : public QObject {
    Q_OBJECT
public:
    // The relay belongs to the pane and goes with it.
    explicit ScrollRelay(TextPane* pane);
    static ScrollRelay* Of(const TextPane& pane);

    // The pane's wheel, whose parts of a line carry over from one turn to the next.
    WheelTurns& Wheel() { return wheel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report(Qt::Orientation orientation, int position);
    // Reports a position the scroll bar has not reported yet.
    void ReportMove(Qt::Orientation orientation, int position);

    TextPane* pane_;
    bool relayingWheel_ = false; // the pane passed the wheel back to the bar itself
    WheelTurns wheel_;
    int reported_[2] = {0, 0}; // the last position reported, horizontal then vertical
};

} // namespace tandem
