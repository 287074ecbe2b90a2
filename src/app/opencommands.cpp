// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files and comparing them. The window does not compare yet: the commands do nothing.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void OpenLeftFile(MainWindow&) {}

void OpenRightFile(MainWindow&) {}

void Recompare(MainWindow&) {}

void PickLeftRecentFile(MainWindow&) {}

void PickRightRecentFile(MainWindow&) {}

void LoadAndCompare(MainWindow&) {}

} // namespace tandem
