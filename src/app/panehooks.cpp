// SPDX-License-Identifier: GPL-3.0-or-later
// The panes' event hook: every paint colours the rows that are about to be shown.
#include "app/commands.h"
#include "app/mainwindow.h"

#include <QEvent>

namespace tandem {

bool PaneMessageHook(MainWindow& window, TextPane& pane, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ApplyVisibleMarks(window, &pane);
    // Scrolling the two panes together goes here: forwarding scroll requests, navigation keys
    // and the wheel to the other pane.
    return false;
}

} // namespace tandem
