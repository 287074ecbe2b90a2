// SPDX-License-Identifier: GPL-3.0-or-later
// What the application object is given before the first window: its names and icon. Every
// window's title is then exactly the caption the window sets.
#pragma once

namespace tandem {

// Runs once the QApplication exists.
void SetUpApplication();

} // namespace tandem
