// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/markerfollower.h"

#include "panes/showdifference.h"
#include "toolkit/textpane.h"

#include <QEvent>
#include <QScrollBar>

namespace tandem {

MarkerFollower::MarkerFollower(QWidget* marker, TextPane* pane)
    : QObject(marker), marker_(marker), pane_(pane) {
    connect(pane->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Place(); });
    connect(pane, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_V_SCROLL)
            Place();
    });
    // The row moves on screen when the pane or anything around it moves or changes size.
    for (QWidget* widget = pane; widget; widget = widget->parentWidget())
        widget->installEventFilter(this);
    if (QWidget* column = marker->parentWidget())
        column->installEventFilter(this);
    // Scintilla moves its rows without telling the scroll bar at times; it draws them anew then.
    pane->viewport()->installEventFilter(this);
}

MarkerFollower* MarkerFollower::Of(const QWidget& marker) {
    return marker.findChild<MarkerFollower*>(QString(), Qt::FindDirectChildrenOnly);
}

void MarkerFollower::Follow(int row) {
    row_ = row;
    Place();
}

void MarkerFollower::Place() {
    if (row_ < 0 || !pane_)
        return;
    const int middle = RowMiddle(*pane_, row_);
    const bool shown = middle >= 0 && middle < pane_->viewport()->height();
    marker_->move(marker_->x(), shown ? MarkerTop(*pane_, row_, *marker_) : -marker_->height());
}

bool MarkerFollower::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize ||
        (type == QEvent::Paint && pane_ && watched == pane_->viewport()))
        Place();
    return QObject::eventFilter(watched, event);
}

} // namespace tandem
