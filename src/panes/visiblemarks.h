// SPDX-License-Identifier: GPL-3.0-or-later
// Lazy colouring: the comparison's marks become character formats only for the rows a pane
// shows, and each mark is used up once applied, so big files cost only what the user looks at.
#pragma once

namespace tandem {

class StringList;
class TextPane;

// Applies and removes the marks of the pane's visible rows: white text on the mark's colour,
// a whole-row mark over the line and its line end, a span mark over its bytes. The list must be
// in row order. Nothing happens without a pane or a list (pass none while a run is going on).
void ApplyVisibleMarks(TextPane* pane, StringList* marks);

} // namespace tandem
