// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands and event handlers, by theme; each works on the main window's fields.
#pragma once

#include <QPoint>
#include <QString>

class QCloseEvent;
class QEvent;

namespace tandem {

class MainWindow;
class TextPane;

// Opening files and comparing.
void OpenLeftFile(MainWindow& window);
void OpenRightFile(MainWindow& window);
void Recompare(MainWindow& window);
void PickLeftRecentFile(MainWindow& window);
void PickRightRecentFile(MainWindow& window);
// Loads the pair named in the settings into the panes and compares it.
void LoadAndCompare(MainWindow& window);

// Moving between differences.
void FirstDifference(MainWindow& window);
void PreviousDifference(MainWindow& window);
void NextDifference(MainWindow& window);
void LastDifference(MainWindow& window);

// Copying and deleting blocks from the panes' popup menu.
void CopyBlock(MainWindow& window);
void DeleteBlock(MainWindow& window);
void TrackLeftPaneMouse(MainWindow& window, QPoint at);
void TrackRightPaneMouse(MainWindow& window, QPoint at);

// Layout of the panes.
void ToggleLayout(MainWindow& window);
// Lays the panes out again; does nothing until every control it arranges exists.
void ArrangePanes(MainWindow& window);

// Sees every event of a pane before the pane; true consumes it.
bool PaneMessageHook(MainWindow& window, TextPane& pane, QEvent* event);

// Options and leaving a file pair.
void LoadOptions(MainWindow& window);
void SaveOptions(MainWindow& window);
void SaveState(MainWindow& window);

// The program's own commands.
void ShowSetup(MainWindow& window);
void ShowAbout(MainWindow& window);
void ExitProgram(MainWindow& window);
// Runs on the close request and never vetoes it.
void ReleaseResults(MainWindow& window, QCloseEvent* event);
// Gives the pane's whole text the panes' standard character format; leaves it all selected.
void ResetPaneFont(TextPane& pane);
// Asks a question with the answers Yes and No; true for Yes.
bool AskYesNo(const QString& question);

} // namespace tandem
