// SPDX-License-Identifier: GPL-3.0-or-later
// Brings one pane to exactly the scroll position of the other, after the panes were laid out
// anew. Does nothing while the program scrolls both panes itself (SyncGuard) or while the
// target is forwarding its own scrolling.
#pragma once

namespace tandem {

class TextPane;

// Gives source the focus, then scrolls target to source's first line and horizontal offset, as
// far as target can go.
void CopyScrollPosition(TextPane& source, TextPane& target);

} // namespace tandem
