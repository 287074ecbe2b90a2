// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the result lists in step when the block commands take rows out of the panes.
#pragma once

namespace tandem {

class StringList;
class TextPane;

// Moves every block record starting at row f or later up by n rows.
void ShiftBlocks(StringList& blocks, int n, int f);
// Drops the marks of rows f .. f + n - 1 and moves the later marks up by n rows.
void ShiftMarks(StringList& marks, int f, int n);
// Drops the marks still waiting to colour rows first .. last.
void DropMarks(StringList& marks, int first, int last);
// Gives k characters from position s the pane's own text and background colours again.
void ResetLineColours(TextPane& pane, int s, int k);

} // namespace tandem
