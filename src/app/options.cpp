// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's options: loading them from the settings store and saving them back.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void LoadOptions(MainWindow&) {}

void SaveOptions(MainWindow&) {}

} // namespace tandem
