// SPDX-License-Identifier: GPL-3.0-or-later
// What a block edit changes, kept so that the edit can be taken back: both panes' texts with the
// colours drawn so far and each row's format, the result lists, the filler rows and the
// modified flags.
#pragma once

#include "panes/fillerrows.h"
#include "toolkit/panefile.h"
#include "toolkit/stringlist.h"

#include <array>
#include <string>
#include <vector>

namespace tandem {

class MainWindow;

struct BlockEditStep {
    std::array<std::string, 2> styledTexts;
    std::array<std::vector<RowFormat>, 2> rowFormats; // each row's own line end and bytes
    std::array<StringList, 2> marks;
    StringList blocks;
    std::array<FillerRows, 2> fillers;
    std::array<bool, 2> modified{};
    int firstVisibleLine = 0;
};

// Keeps the state before a block edit as the newest undo step.
void RememberBlockEdit(MainWindow& window);

} // namespace tandem
