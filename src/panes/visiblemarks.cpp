// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/visiblemarks.h"

#include "toolkit/colours.h"
#include "toolkit/fields.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <QScrollBar>
#include <vector>

namespace tandem {

namespace {

// A record of this many fields colours a whole row; any other is a span.
constexpr int kWholeRowFields = 2;
constexpr int kSpanColourField = 4;

int LastVisibleLine(const TextPane& pane) {
    return pane.LineOf(pane.PositionAt(QPoint(0, pane.viewport()->height())));
}

void ApplyMark(TextPane& pane, const std::string& mark, CharFormat& format) {
    const int row = TextToNumber(Field(mark, ',', 1));
    const int lineStart = pane.LineStart(row);
    if (lineStart < 0)
        return;
    const bool wholeRow = FieldCount(mark, ',') == kWholeRowFields;
    if (wholeRow) {
        // The line end is coloured too, and the pane carries its colour to the right edge.
        const int length = int(pane.LineText(row).size()) + 1;
        pane.SetSelectionLength(lineStart, length);
    } else {
        const int start = lineStart + TextToNumber(Field(mark, ',', 2));
        pane.SetSelectionLength(start, TextToNumber(Field(mark, ',', 3)));
    }
    const int colourField = wholeRow ? kWholeRowFields : kSpanColourField;
    format.background = ColourFromCode(TextToNumber(Field(mark, ',', colourField)));
    pane.ApplyFormat(format);
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
    // The user's selection (the caret) is where it was once the marks are applied.
    const int selectionStart = pane->SelectionStart();
    const int selectionEnd = pane->SelectionEnd();
    std::vector<std::string>& items = marks->Items();
    std::vector<bool> used(items.size(), false);
    bool applied = false;
    for (size_t index = 0; index < items.size(); ++index) {
        const int row = TextToNumber(Field(items[index], ',', 1));
        if (row < first)
            continue;
        if (row > last)
            break;
        ApplyMark(*pane, items[index], format);
        used[index] = true;
        applied = true;
    }
    if (!applied)
        return;
    pane->SetSelection(selectionStart, selectionEnd);
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
