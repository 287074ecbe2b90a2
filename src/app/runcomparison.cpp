// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison run in the window: the panes' texts go to the engine while the progress window
// shows how far it has come, and the aligned rows come back into the panes. The run happens on
// the window's thread; pending events are let through only when the bar's percentage changes,
// which is when Escape reaches the progress window and a close request reaches the window.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "engine/comparison.h"
#include "toolkit/colours.h"
#include "toolkit/textpane.h"
#include "windows/progressfeed.h"
#include "windows/progresswindow.h"

#include <QToolBar>

namespace tandem {

namespace {

// One side's lines as views straight into the pane's own text, so the run holds no copy of the
// files. The pane's text stays put while the run goes on: nothing edits it meanwhile (the
// toolbar is disabled, the recent-file boxes wait for the run, and no colour is applied).
std::vector<std::string_view> PaneLines(const TextPane& pane) {
    const auto address = pane.SendScintilla(QsciScintillaBase::SCI_GETCHARACTERPOINTER);
    const std::string_view text(reinterpret_cast<const char*>(address),
                                static_cast<size_t>(pane.TextLength()));
    std::vector<std::string_view> lines;
    // An empty pane holds no line at all, unless its file was a single line end.
    if (text.empty() && !pane.Format().endsWithLineEnd)
        return lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

CompareOptions OptionsOf(const MainWindow& window) {
    CompareOptions options;
    options.depth = window.depth;
    options.lookup = window.lookup;
    options.colours = MarkColours{
        CodeFromColour(window.insertColour), CodeFromColour(window.differenceColour1),
        CodeFromColour(window.differenceColour2), CodeFromColour(window.differenceColour3)};
    return options;
}

std::string JoinRows(const std::vector<std::string_view>& rows) {
    size_t size = rows.size();
    for (std::string_view row : rows)
        size += row.size();
    std::string text;
    text.reserve(size);
    for (size_t row = 0; row < rows.size(); ++row) {
        if (row > 0)
            text += '\n';
        text += rows[row];
    }
    return text;
}

// Puts the aligned rows into the pane with the panes' standard format. The rows are views into
// this pane's old text, so they are joined before it is replaced.
void SetPaneText(TextPane& pane, std::vector<std::string_view>& rows) {
    std::string text = JoinRows(rows);
    rows = {};
    pane.SuspendPainting();
    pane.SetWholeText(text);
    text = {};
    ResetPaneFont(pane);
    // The whole text stays selected otherwise, which would hide the colours in a focused pane.
    pane.SetSelection(0, 0);
    pane.ResumePainting();
}

void Publish(MainWindow& window, ComparisonResult& result) {
    std::vector<std::string_view>* rows[] = {&result.left, &result.right};
    StringList* marks[] = {&result.leftMarks, &result.rightMarks};
    for (Side side : kEachSide) {
        PaneSide& held = window.sides[side];
        held.fillers.Assign(*rows[side]);
        const int rowCount = int(rows[side]->size());
        std::vector<RowFormat> formats = AlignedRows(
            held.pane->RowFormats(), rowCount, [&](int row) { return held.fillers.IsFiller(row); });
        SetPaneText(*held.pane, *rows[side]);
        held.pane->SetRowFormats(std::move(formats));
        *window.sides[side].marks = std::move(*marks[side]);
    }
    *window.blocks = std::move(result.blocks);
}

} // namespace

void RunComparison(MainWindow& window) {
    if (window.busy || !window.sides[kLeft].marks || !window.sides[kRight].marks || !window.blocks)
        return;
    window.toolbar->setEnabled(false);
    window.busy = true;
    for (PaneSide& side : window.sides)
        side.marks->Clear();
    window.blocks->Clear();
    std::vector<std::string_view> left = PaneLines(*window.sides[kLeft].pane);
    std::vector<std::string_view> right = PaneLines(*window.sides[kRight].pane);
    const bool bothHaveLines = !left.empty() && !right.empty();

    window.progressWindow = std::make_unique<ProgressWindow>();
    ProgressWindow* progress = window.progressWindow.get();
    Program().progress = progress;
    if (bothHaveLines)
        progress->ShowInFront();
    ProgressFeed feed(progress);
    ComparisonResult result = Compare(std::move(left), std::move(right), OptionsOf(window), &feed);
    // The window is going away: it no longer wants the result, nor anything else from the run.
    if (result.ending == RunEnding::Abandoned)
        return;

    Publish(window, result);
    window.busy = false;
    progress->Finish();
    window.progressWindow.reset();
    window.toolbar->setEnabled(true);
    window.alignedText = true;
}

} // namespace tandem
