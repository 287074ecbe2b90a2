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
    // Scintilla also moves its view past the scroll bars (the caret kept in view after a click
    // or a key, a selection dragged past an edge) and says so here, sometimes late: only moves
    // the bars have not reported count, so a move forwarded to this pane is not sent back.
    connect(pane, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_V_SCROLL)
            ReportMove(Qt::Vertical, pane_->FirstVisibleLine());
        if (updated & QsciScintillaBase::SC_UPDATE_H_SCROLL)
            ReportMove(Qt::Horizontal, pane_->HorizontalOffset());
    });
    pane->verticalScrollBar()->installEventFilter(this);
}

ScrollRelay* ScrollRelay::Of(const TextPane& pane) {
    return pane.findChild<ScrollRelay*>(QString(), Qt::FindDirectChildrenOnly);
}

void ScrollRelay::ReportMove(Qt::Orientation orientation, int position) {
    if (position != reported_[orientation == Qt::Vertical])
        Report(orientation, position);
}

void ScrollRelay::Report(Qt::Orientation orientation, int position) {
    reported_[orientation == Qt::Vertical] = position;
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
