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
    ApplyVisibleMarks(pane,
                      pane == window.leftPane ? window.leftMarks.get() : window.rightMarks.get());
}

void ShowDifference(MainWindow& window, std::string_view block) {
    const bool colouring = !Program().progress;
    DifferencePanes panes;
    panes.left = window.leftPane;
    panes.right = window.rightPane;
    panes.leftMarks = colouring ? window.leftMarks.get() : nullptr;
    panes.rightMarks = colouring ? window.rightMarks.get() : nullptr;
    panes.leftMarker = window.leftMarker;
    panes.rightMarker = window.rightMarker;
    tandem::ShowDifference(panes, block);
}

} // namespace tandem
