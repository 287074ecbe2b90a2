// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving a file pair: the save-state step.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void SaveState(MainWindow&) {}

} // namespace tandem
