// SPDX-License-Identifier: GPL-3.0-or-later
// The panes' event hook: every paint colours the rows about to be shown, and whatever scrolls
// one pane scrolls the other, without the other echoing it back.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "panes/forwardingpane.h"
#include "panes/forwardscrolling.h"

#include <QEvent>

namespace tandem {

bool PaneMessageHook(MainWindow& window, TextPane& pane, QEvent* event) {
    const ForwardingPane forwarding(&pane);
    // Colouring also runs for a pane that scrolls because the other pane forwards to it.
    if (event->type() == QEvent::Paint)
        ApplyVisibleMarks(window, &pane);
    TextPane* other = window.sides[Other(window.SideOf(&pane))].pane;
    if (!forwarding.Claimed() || !other)
        return false;
    return ForwardScrolling(pane, *other, event);
}

} // namespace tandem
