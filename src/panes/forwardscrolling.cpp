// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/forwardscrolling.h"

#include "panes/scrollevent.h"
#include "panes/scrollrelay.h"
#include "toolkit/textpane.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace tandem {

namespace {

// One wheel notch as the wheel reports it, and the lines it scrolls.
constexpr int kNotchDelta = 120;
constexpr int kLinesPerNotch = 5;

// What a key does to both panes; keys not listed are the pane's own.
struct KeyScroll {
    int key;
    Qt::Orientation orientation;
    ScrollRequest request;
    bool usedUp; // false: the pane still gets the key and moves its caret
};

constexpr KeyScroll kKeyScrolls[] = {
    {Qt::Key_PageUp, Qt::Vertical, ScrollRequest::PageUp, false},
    {Qt::Key_PageDown, Qt::Vertical, ScrollRequest::PageDown, false},
    {Qt::Key_End, Qt::Vertical, ScrollRequest::Bottom, true},
    {Qt::Key_Home, Qt::Vertical, ScrollRequest::Top, true},
    {Qt::Key_Left, Qt::Horizontal, ScrollRequest::LineUp, true},
    {Qt::Key_Up, Qt::Vertical, ScrollRequest::LineUp, true},
    {Qt::Key_Right, Qt::Horizontal, ScrollRequest::LineDown, true},
    {Qt::Key_Down, Qt::Vertical, ScrollRequest::LineDown, true},
};

void Scroll(TextPane& pane, Qt::Orientation orientation, ScrollRequest request, int thumb = 0) {
    orientation == Qt::Vertical ? pane.ScrollVertical(request, thumb)
                                : pane.ScrollHorizontal(request, thumb);
}

bool ForwardKey(TextPane& pane, TextPane& other, QKeyEvent* key) {
    for (const KeyScroll& scroll : kKeyScrolls) {
        if (scroll.key != key->key())
            continue;
        if (scroll.usedUp) {
            Scroll(other, scroll.orientation, scroll.request);
            Scroll(pane, scroll.orientation, scroll.request);
            return true;
        }
        // The pane pages with its caret by its own measure, which the other pane's page need not
        // match, so the pane pages first and the other pane follows to the same line.
        QCoreApplication::sendEvent(&pane, key);
        Scroll(other, scroll.orientation, ScrollRequest::Thumb, pane.verticalScrollBar()->value());
        return true;
    }
    return false;
}

bool ForwardWheel(TextPane& pane, TextPane& other, const QWheelEvent& wheel) {
    const QPoint delta = wheel.angleDelta();
    // A sideways turn is the pane's own; its scroll bar reports the move, which is forwarded.
    if (delta.y() == 0 && delta.x() != 0)
        return false;
    ScrollRelay* relay = ScrollRelay::Of(pane);
    if (!relay)
        return false;
    const int lines = relay->Wheel().Lines(delta.y());
    if (lines != 0) {
        other.ScrollLines(lines);
        pane.ScrollLines(lines);
    }
    return true;
}

int Position(const TextPane& pane, Qt::Orientation orientation) {
    return orientation == Qt::Vertical ? pane.FirstVisibleLine() : pane.HorizontalOffset();
}

// Brings other to where pane went. The panes share one horizontal extent, so other makes room
// for an offset only the wider text reaches; where other still stops short (it shows fewer
// rows at its end), pane comes back to where other stopped, so that the rows stay level.
void FollowScroll(TextPane& pane, TextPane& other, const ScrollEvent& scroll) {
    const Qt::Orientation orientation = scroll.Orientation();
    const int wanted = Position(pane, orientation);
    if (orientation == Qt::Horizontal)
        other.MakeRoomToScrollTo(wanted);
    if (Position(other, orientation) != wanted)
        Scroll(other, orientation, ScrollRequest::Thumb, wanted);
    const int reached = Position(other, orientation);
    // Panes of unequal length (files not compared yet) each scroll as far as they go.
    const bool level = orientation == Qt::Horizontal || pane.LineCount() == other.LineCount();
    if (reached != wanted && level)
        Scroll(pane, orientation, ScrollRequest::Thumb, reached);
}

} // namespace

int WheelTurns::Lines(int delta) {
    if ((pending_ < 0 && delta > 0) || (pending_ > 0 && delta < 0))
        pending_ = 0;
    pending_ += delta * kLinesPerNotch;
    const int lines = pending_ / kNotchDelta;
    pending_ -= lines * kNotchDelta;
    return -lines;
}

bool ForwardScrolling(TextPane& pane, TextPane& other, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return ForwardKey(pane, other, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::Wheel)
        return ForwardWheel(pane, other, *static_cast<QWheelEvent*>(event));
    if (event->type() == ScrollEvent::Type())
        FollowScroll(pane, other, *static_cast<ScrollEvent*>(event));
    return false;
}

} // namespace tandem
