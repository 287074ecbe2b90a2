// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/visiblemarks.h"

#include "engine/records.h"
#include "toolkit/colours.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <QScrollBar>
#include <string>
#include <utility>
#include <vector>

namespace tandem {

namespace {

// A byte that continues a multi-byte UTF-8 character rather than starting one.
bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The span [start, end) of line grown to whole UTF-8 characters, so that no character is drawn
// half in one colour and half in another.
std::pair<int, int> WholeCharacters(const std::string& line, int start, int end) {
    const int size = int(line.size());
    while (start > 0 && start < size && ContinuesCharacter(line[size_t(start)]))
        --start;
    while (end > 0 && end < size && ContinuesCharacter(line[size_t(end)]))
        ++end;
    return {start, end};
}

int LastVisibleLine(const TextPane& pane) {
    return pane.LineOf(pane.PositionAt(QPoint(0, pane.viewport()->height())));
}

void ApplyMark(TextPane& pane, const MarkRecord& mark, CharFormat& format) {
    const int lineStart = pane.LineStart(mark.row);
    if (lineStart < 0)
        return;
    int from = lineStart + mark.start;
    int to = from + mark.length;
    if (mark.wholeRow) {
        // The line end is coloured too, and the pane carries its colour to the right edge.
        from = lineStart;
        to = lineStart + int(pane.LineText(mark.row).size()) + 1;
    } else if (pane.isUtf8()) {
        const auto [start, end] =
            WholeCharacters(pane.LineText(mark.row), mark.start, mark.start + mark.length);
        from = lineStart + start;
        to = lineStart + end;
    }
    format.background = ColourFromCode(mark.colour);
    pane.FormatRange(from, to, format);
}

} // namespace

void ApplyVisibleMarks(TextPane* pane, StringList* marks) {
    if (!pane || !marks || marks->Count() == 0)
        return;
    const int first = pane->FirstVisibleLine();
    const int last = LastVisibleLine(*pane);
    CharFormat format = pane->SelectionFormat();
    format.mask = CharFormat::Size | CharFormat::TextColour | CharFormat::Background;
    format.autoText = false;
    format.autoBackground = false;
    format.text = Qt::white;
    std::vector<std::string>& items = marks->Items();
    std::vector<bool> used(items.size(), false);
    bool applied = false;
    for (size_t index = 0; index < items.size(); ++index) {
        const MarkRecord mark = MarkRecord::Read(items[index]);
        if (mark.row < first)
            continue;
        if (mark.row > last)
            break;
        ApplyMark(*pane, mark, format);
        used[index] = true;
        applied = true;
    }
    if (!applied)
        return;
    size_t kept = 0;
    for (size_t index = 0; index < items.size(); ++index) {
        if (used[index])
            continue;
        if (kept != index)
            items[kept] = std::move(items[index]);
        ++kept;
    }
    items.resize(kept);
}

} // namespace tandem
