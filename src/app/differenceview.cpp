// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of colouring and showing differences: no colour is applied while a
// comparison runs (the progress window is the busy marker), and each pane uses its own marks.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "panes/showdifference.h"
#include "panes/visiblemarks.h"
#include "toolkit/imageshow.h"

namespace tandem {

void ApplyVisibleMarks(MainWindow& window, TextPane* pane) {
    if (Program().progress || !pane)
        return;
    ApplyVisibleMarks(pane, window.sides[window.SideOf(pane)].marks.get());
}

void ShowDifference(MainWindow& window, std::string_view block) {
    const bool colouring = !Program().progress;
    DifferencePanes panes;
    panes.left = window.sides[kLeft].pane;
    panes.right = window.sides[kRight].pane;
    panes.leftMarks = colouring ? window.sides[kLeft].marks.get() : nullptr;
    panes.rightMarks = colouring ? window.sides[kRight].marks.get() : nullptr;
    panes.leftMarker = window.sides[kLeft].marker;
    panes.rightMarker = window.sides[kRight].marker;
    tandem::ShowDifference(panes, block);
    // An empty record names no block (an index outside the list): row 0 is shown, unmarked.
    if (block.empty()) {
        for (PaneSide& side : window.sides)
            side.marker->hide();
    }
}

} // namespace tandem
