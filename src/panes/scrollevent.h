// SPDX-License-Identifier: GPL-3.0-or-later
// Tells a pane that one of its scroll bars moved (by the user, by a key or by the program), so
// the pane's event hook can bring the other pane to the same place.
#pragma once

#include <QEvent>

namespace tandem {

class ScrollEvent : public QEvent {
public:
    ScrollEvent(Qt::Orientation orientation, int position)
        : QEvent(Type()), orientation_(orientation), position_(position) {}

    static QEvent::Type Type();
    Qt::Orientation Orientation() const { return orientation_; }
    // The scroll bar's new value: the first visible line, or the horizontal offset in pixels.
    int Position() const { return position_; }

private:
    Qt::Orientation orientation_;
    int position_;
};

} // namespace tandem
