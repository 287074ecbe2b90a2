// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison run in the window: the panes' texts go to the engine while the progress window
// shows how far it has come, and the aligned rows come back into the panes. The run happens on a
// thread of its own while the window goes on handling its events: the panes stay as they are
// meanwhile (the toolbar and the commands that change them wait for the run), Escape stops the
// run at its next row, and closing the window leaves the run behind without waiting for it.
#include "app/commands.h"
#include "app/comparisonthread.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "engine/comparison.h"
#include "toolkit/colours.h"
#include "toolkit/textpane.h"
#include "windows/progresswindow.h"

#include <QPointer>
#include <QToolBar>

namespace tandem {

namespace {

CompareOptions OptionsOf(const MainWindow& window) {
    CompareOptions options;
    options.depth = window.depth;
    options.lookup = window.lookup;
    options.threads = MachineCores();
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

    window.progressWindow = std::make_unique<ProgressWindow>();
    ProgressWindow* progress = window.progressWindow.get();
    Program().progress = progress;
    auto job = std::make_shared<ComparisonJob>(progress);
    std::array<unsigned long, 2> textChanges{};
    for (Side side : kEachSide) {
        TextPane& pane = *window.sides[side].pane;
        // The panes' texts are large: the run reads them where they are, and goes on painting.
        job->texts[side] = pane.LendText(job->feed.cancelRequested);
        textChanges[side] = pane.TextChanges();
        // An empty pane holds no line at all, unless its file was a single line end.
        job->lines[side] = PaneTextLines(job->texts[side]->Text(), pane.Format().endsWithLineEnd);
    }
    job->options = OptionsOf(window);
    if (!job->lines[kLeft].empty() && !job->lines[kRight].empty())
        progress->ShowInFront();
    const QPointer<ProgressWindow> watched(progress);
    // The window is going away: it no longer wants the result, nor anything else from the run.
    // The run sees its progress window gone and stops by itself; when the event loop was told to
    // quit, the progress window still stands and is taken down here, which the window outlives.
    if (!RunAndWait(job, progress)) {
        if (watched)
            window.progressWindow.reset();
        return;
    }

    // The result's rows are views into the texts as they were lent.
    for (Side side : kEachSide) {
        if (window.sides[side].pane->TextChanges() != textChanges[side] && job->failure.empty())
            job->failure = "the texts changed while they were being compared";
    }
    if (job->failure.empty())
        Publish(window, job->result);
    window.busy = false;
    progress->Finish();
    window.progressWindow.reset();
    window.toolbar->setEnabled(true);
    if (!job->failure.empty()) {
        TellUser(QStringLiteral("The files %1 and %2 could not be compared: %3.")
                     .arg(window.sides[kLeft].fileName, window.sides[kRight].fileName,
                          QString::fromStdString(job->failure)));
        return;
    }
    window.alignedText = true;
}

} // namespace tandem
