// SPDX-License-Identifier: GPL-3.0-or-later
// Undoing Copy and Delete: every edit keeps the state before it, and undo puts the newest one
// back. The steps belong to the pair on show and go when it is left.
#include "app/blockundo.h"

#include "app/commands.h"
#include "app/mainwindow.h"
#include "panes/syncguard.h"
#include "toolkit/textpane.h"

namespace tandem {

void RememberBlockEdit(MainWindow& window) {
    BlockEditStep step;
    for (Side side : kEachSide) {
        const PaneSide& held = window.sides[side];
        step.styledTexts[side] = held.pane->StyledText();
        step.rowFormats[side] = held.pane->RowFormats();
        step.marks[side] = *held.marks;
        step.fillers[side] = held.fillers;
        step.modified[side] = held.modified;
    }
    step.blocks = *window.blocks;
    step.firstVisibleLine = window.sides[kLeft].pane->FirstVisibleLine();
    window.undoSteps.push_back(std::move(step));
}

void UndoBlockEdit(MainWindow& window) {
    if (window.busy || window.undoSteps.empty() || !window.blocks)
        return;
    BlockEditStep step = std::move(window.undoSteps.back());
    window.undoSteps.pop_back();
    const SyncGuard guard;
    for (Side side : kEachSide) {
        PaneSide& held = window.sides[side];
        held.pane->SetStyledText(step.styledTexts[side]);
        held.pane->SetRowFormats(std::move(step.rowFormats[side]));
        *held.marks = std::move(step.marks[side]);
        held.fillers = std::move(step.fillers[side]);
        held.modified = step.modified[side];
        held.pane->ScrollVertical(ScrollRequest::Thumb, step.firstVisibleLine);
    }
    *window.blocks = std::move(step.blocks);
    window.popupPane = nullptr;
}

} // namespace tandem
