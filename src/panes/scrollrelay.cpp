// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/scrollrelay.h"

#include "panes/scrollevent.h"
#include "toolkit/textpane.h"

#include <QCoreApplication>
#include <QScrollBar>

namespace tandem {

ScrollRelay::ScrollRelay(TextPane* pane) : QObject(pane), pane_(pane) {
    connect(pane->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { Report(Qt::Vertical, value); });
    connect(pane->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { Report(Qt::Horizontal, value); });
    pane->verticalScrollBar()->installEventFilter(this);
}

ScrollRelay* ScrollRelay::Of(const TextPane& pane) {
    return pane.findChild<ScrollRelay*>(QString(), Qt::FindDirectChildrenOnly);
}

void ScrollRelay::Report(Qt::Orientation orientation, int position) {
    ScrollEvent event(orientation, position);
    QCoreApplication::sendEvent(pane_, &event);
}

bool ScrollRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || relayingWheel_ || watched != pane_->verticalScrollBar())
        return false;
    // A pane that does not take the wheel hands it back to this bar, which then scrolls alone.
    relayingWheel_ = true;
    QCoreApplication::sendEvent(pane_, event);
    relayingWheel_ = false;
    return true;
}

} // namespace tandem
