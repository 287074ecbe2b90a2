// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says about its files without stopping the user: a file that could not be
// opened, and a file changed on disk by another program while the pair is shown.
#pragma once

#include <QString>

namespace tandem {

class MainWindow;
class QuestionBox;

// Shows a notice that does not block the window, replacing the one shown before. With
// offerCompare it has a "Compare again" button that runs Recompare.
void ShowFileNotice(MainWindow& window, const QString& text, bool offerCompare);
// The notice on show, or null.
QuestionBox* FileNotice(const MainWindow& window);

// Watches the files of both sides, and only those, for changes by other programs.
void WatchPairFiles(MainWindow& window);

} // namespace tandem
