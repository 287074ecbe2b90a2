// SPDX-License-Identifier: GPL-3.0-or-later
// Copying and deleting difference blocks; without a comparison there are no blocks yet.
#include "app/commands.h"
#include "app/mainwindow.h"

namespace tandem {

void CopyBlock(MainWindow&) {}

void DeleteBlock(MainWindow&) {}

void TrackLeftPaneMouse(MainWindow&, QPoint) {}

void TrackRightPaneMouse(MainWindow&, QPoint) {}

} // namespace tandem
