// SPDX-License-Identifier: GPL-3.0-or-later
// The two panes move as one: what scrolls one pane (its scroll bars, the navigation keys, the
// wheel) is done to the other pane as well. The caller holds the ForwardingPane claim for pane.
#pragma once

class QEvent;

namespace tandem {

class TextPane;

// Carries the event of pane over to other; true when the event is used up and pane must not
// handle it (again). The arrow keys, Home and End scroll both panes and never move a caret;
// Page Up and Page Down page both and still reach pane; a wheel notch scrolls both 5 lines.
bool ForwardScrolling(TextPane& pane, TextPane& other, QEvent* event);

// Turns wheel deltas into whole lines, keeping the parts of a line left over from earlier turns in
// the same direction.
class WheelTurns {
public:
    // Lines a turn of delta (eighths of a degree, +120 a notch away from the user) scrolls
    // towards the end of the text.
    int Lines(int delta);

private:
    int pending_ = 0; // in notch parts
};

} // namespace tandem
