// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between differences: First, Previous, Next and Last never wrap around, and the current
// index is not kept inside the block list (a stored index may lie beyond it).
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/statusparts.h"
#include "toolkit/statusline.h"

namespace tandem {

namespace {

int BlockCount(const MainWindow& window) {
    return window.blocks ? window.blocks->Count() : 0;
}

// An index outside the list gives the empty record, which shows row 0.
void ShowCurrentBlock(MainWindow& window) {
    ShowDifference(window,
                   window.blocks ? window.blocks->Item(window.currentDifference) : std::string());
}

} // namespace

void SetCurrentDifference(MainWindow& window, int index) {
    window.currentDifference = index;
    window.status->SetPart(kPositionPart, QStringLiteral("Pos: %1").arg(qint64(index) + 1));
}

void FirstDifference(MainWindow& window) {
    SetCurrentDifference(window, 0);
    ShowCurrentBlock(window);
}

void PreviousDifference(MainWindow& window) {
    SetCurrentDifference(window, window.currentDifference - 1);
    if (window.currentDifference < 0) {
        SetCurrentDifference(window, 0);
        return;
    }
    ShowCurrentBlock(window);
}

void NextDifference(MainWindow& window) {
    SetCurrentDifference(window, window.currentDifference + 1);
    if (window.currentDifference < BlockCount(window)) {
        ShowCurrentBlock(window);
        return;
    }
    SetCurrentDifference(window, BlockCount(window) - 1);
}

void LastDifference(MainWindow& window) {
    SetCurrentDifference(window, BlockCount(window) - 1);
    ShowCurrentBlock(window);
}

} // namespace tandem
