// SPDX-License-Identifier: GPL-3.0-or-later
// Options and leaving a file pair; nothing is remembered between runs yet.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void LoadOptions(MainWindow&) {}

void SaveState(MainWindow&) {}

} // namespace tandem
