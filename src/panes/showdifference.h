// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a difference block into view: both panes scrolled to the same first line so that the
// block's first row sits two lines above the middle, the markers level with that row, and the
// rows that came into view coloured.
#pragma once

#include <string_view>

class QWidget;

namespace tandem {

class StringList;
class TextPane;

struct DifferencePanes {
    TextPane* left = nullptr;
    TextPane* right = nullptr;
    // Null while nothing may be coloured (no lists, or a comparison is running).
    StringList* leftMarks = nullptr;
    StringList* rightMarks = nullptr;
    // The markers point at the block in the left pane and, when shown, in the right pane.
    QWidget* leftMarker = nullptr;
    QWidget* rightMarker = nullptr;
};

// The record is "first,last,sides"; only the first row is used, and an empty record is row 0.
void ShowDifference(const DifferencePanes& panes, std::string_view block);

// The marker's top in its parent so that its middle is level with the middle of the row as the
// pane shows it.
int MarkerTop(const TextPane& pane, int row, const QWidget& marker);
// The middle of the row in the pane's text area, above 0 or below its height when not shown.
int RowMiddle(const TextPane& pane, int row);

} // namespace tandem
