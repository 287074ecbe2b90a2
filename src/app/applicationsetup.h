// SPDX-License-Identifier: GPL-3.0-or-later
// What the application object is given before the first window: its names and icon. Every
// window's title is then exactly the caption the window sets.
#pragma once

namespace tandem {

// Runs once the QApplication exists.
void SetUpApplication();

// Runs first of all. Buffers of a file's size go back to the system as soon as they are freed,
// rather than staying in the process for smaller requests it may never make.
void ReturnLargeBuffersWhenFreed();

} // namespace tandem
