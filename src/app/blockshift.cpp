// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/blockshift.h"

#include "toolkit/fields.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <algorithm>

namespace tandem {

namespace {

int RowOf(const std::string& record) {
    return TextToNumber(Field(record, ',', 1));
}

} // namespace

void ShiftBlocks(StringList& blocks, int n, int f) {
    if (n == 0)
        return;
    for (std::string& record : blocks.Items()) {
        const int first = RowOf(record);
        if (first < f)
            continue;
        const int last = TextToNumber(Field(record, ',', 2));
        record = NumberToText(int64_t(first) - n) + "," + NumberToText(int64_t(last) - n) + "," +
                 std::string(Field(record, ',', 3));
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
    for (; at != items.end(); ++at) {
        const size_t comma = at->find(',');
        const std::string rest = comma == std::string::npos ? std::string() : at->substr(comma);
        *at = NumberToText(int64_t(RowOf(*at)) - n) + rest;
    }
}

void DropMarks(StringList& marks, int first, int last) {
    std::erase_if(marks.Items(), [first, last](const std::string& mark) {
        const int row = RowOf(mark);
        return row >= first && row <= last;
    });
}

void ResetLineColours(TextPane& pane, int s, int k) {
    pane.SetSelectionLength(s, k);
    CharFormat automatic;
    automatic.mask = CharFormat::TextColour | CharFormat::Background;
    automatic.autoText = true;
    automatic.autoBackground = true;
    pane.ApplyFormat(automatic);
    pane.SetSelectionLength(s, 0);
}

} // namespace tandem
