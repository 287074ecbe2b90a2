// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands and event handlers, by theme; each works on the main window's fields.
#pragma once

#include "toolkit/side.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <string_view>

class QCloseEvent;
class QEvent;
class QKeyEvent;

namespace tandem {

class MainWindow;
class TextPane;

// Opening files and comparing.
void OpenFile(MainWindow& window, Side side);
void Recompare(MainWindow& window);
// Files dropped on a side's pane: one opens on that side, two open as left and right.
void DropFiles(MainWindow& window, Side side, const QStringList& paths);
// A pick in a side's recent-file box.
void PickRecentFile(MainWindow& window, Side side);
// Loads the pair named in the settings into the panes and compares it; askAboutNames false
// compares files of different names without the question (the user compared them already).
void LoadAndCompare(MainWindow& window, bool askAboutNames = true);

// Comparing: reading a file into a pane (after the save-state step), the comparison run with
// its progress window, and what the run leaves in the panes.
void LoadFile(MainWindow& window, Side side, const QString& path);
void RunComparison(MainWindow& window);
// A pair with a binary file is compared by its bytes alone: the notice says whether they are
// the same, and no rows are aligned, so neither side can be edited.
bool IsBinarySide(const MainWindow& window, Side side);
void TellBinaryFile(MainWindow& window, Side side);
void CompareBinaryPair(MainWindow& window);
// Bare names agree when equal after folding a..z to upper case.
bool SameBareName(const QString& left, const QString& right);
// The part of a path after its last "/", "\" or ":", at most its first 64 characters.
QString BareName(const QString& path);

// Showing differences: colours the visible rows of a pane unless a run is going on, and brings
// a block ("first,last,sides") into view with the markers beside it.
void ApplyVisibleMarks(MainWindow& window, TextPane* pane);
void ShowDifference(MainWindow& window, std::string_view block);
// The current difference index and its status text; the index is not kept inside the list.
void SetCurrentDifference(MainWindow& window, int index);

// Moving between differences.
void FirstDifference(MainWindow& window);
void PreviousDifference(MainWindow& window);
void NextDifference(MainWindow& window);
void LastDifference(MainWindow& window);

// Copying and deleting blocks from the panes' popup menu.
void CopyBlock(MainWindow& window);
void DeleteBlock(MainWindow& window);
// Arms the popup menu while the mouse is over a block the side's pane takes part in.
void TrackPaneMouse(MainWindow& window, Side side, QPoint at);

// Layout of the panes.
void ToggleLayout(MainWindow& window);
// Lays the panes out again; does nothing until every control it arranges exists.
void ArrangePanes(MainWindow& window);
// Docks the left holder by the layout flag and names the next layout in the toolbar.
void ApplyLayout(MainWindow& window);

// The window's own keys: true when the key event is one of them; Run also carries it out.
bool IsWindowKey(const QKeyEvent& event);
bool RunWindowKey(MainWindow& window, const QKeyEvent& event);
// Writes each side edited since the comparison back to its file now, without asking, and
// compares the pair again; nothing happens when no side was edited.
void SaveEditedSides(MainWindow& window);
// Takes back the last Copy or Delete that is still in the panes.
void UndoBlockEdit(MainWindow& window);

// Sees every event of a pane before the pane; true consumes it.
bool PaneMessageHook(MainWindow& window, TextPane& pane, QEvent* event);

// Options and leaving a file pair.
void LoadOptions(MainWindow& window);
void SaveOptions(MainWindow& window);
// Status parts 0 and 1: "Depth: N%" and "Lookup: N lines".
void ShowDepthAndLookup(MainWindow& window);
void SaveState(MainWindow& window);
// Takes the comparison's filler lines out of a side's pane, and no other line.
void StripFillerLines(MainWindow& window, Side side);
// Tells the user something went wrong, in a box with one "OK" button.
void TellUser(const QString& message);

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
