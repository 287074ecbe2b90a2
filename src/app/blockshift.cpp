// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/blockshift.h"

#include "engine/records.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <algorithm>

namespace tandem {

namespace {

int RowOf(const std::string& record) {
    return RecordRow(record);
}

} // namespace

void ShiftBlocks(StringList& blocks, int n, int f) {
    if (n == 0)
        return;
    for (std::string& record : blocks.Items()) {
        BlockRecord block = BlockRecord::Read(record);
        if (block.first < f)
            continue;
        block.first = int32_t(int64_t(block.first) - n);
        block.last = int32_t(int64_t(block.last) - n);
        record = block.Text();
    }
}

void ShiftMarks(StringList& marks, int f, int n) {
    std::vector<std::string>& items = marks.Items();
    auto at = std::find_if(items.begin(), items.end(),
                           [f](const std::string& mark) { return RowOf(mark) >= f; });
    auto end = std::find_if(at, items.end(), [f, n](const std::string& mark) {
        return int64_t(RowOf(mark)) >= int64_t(f) + n;
    });
    at = items.erase(at, end);
    for (; at != items.end(); ++at)
        *at = WithRow(*at, int64_t(RowOf(*at)) - n);
}

void DropMarks(StringList& marks, int first, int last) {
    std::erase_if(marks.Items(), [first, last](const std::string& mark) {
        const int row = RowOf(mark);
        return row >= first && row <= last;
    });
}

void ResetLineColours(TextPane& pane, int s, int k) {
    CharFormat automatic;
    automatic.mask = CharFormat::TextColour | CharFormat::Background;
    automatic.autoText = true;
    automatic.autoBackground = true;
    pane.FormatRange(s, s + k, automatic);
    pane.SetSelectionLength(s, 0);
}

} // namespace tandem
