// SPDX-License-Identifier: GPL-3.0-or-later
// The panes' event hook; the panes do not scroll together yet, so every event goes on to them.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

bool PaneMessageHook(MainWindow&, TextPane&, QEvent*) {
    return false;
}

} // namespace tandem
