// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between differences; without a comparison there is nothing to move to yet.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void FirstDifference(MainWindow&) {}

void PreviousDifference(MainWindow&) {}

void NextDifference(MainWindow&) {}

void LastDifference(MainWindow&) {}

} // namespace tandem
