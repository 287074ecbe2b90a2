// SPDX-License-Identifier: GPL-3.0-or-later
// A comparison run on a thread of its own, so that the window keeps handling its events (the
// progress bar, Escape, the close request) however long a row takes. The run reads the panes' own
// texts, lent to it: a pane that would change or free its text meanwhile first stops the run and
// waits for it to let go.
#pragma once

#include "engine/comparison.h"
#include "toolkit/side.h"
#include "toolkit/textloan.h"
#include "windows/progressfeed.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace tandem {

class ProgressWindow;

struct ComparisonJob {
    // Made on the window's thread, where the feed meets the progress window.
    explicit ComparisonJob(ProgressWindow* progress) : feed(progress) {}

    // The texts the run compares, returned when the run ends; the lines, and the rows of the
    // result, are views into them.
    std::array<std::shared_ptr<TextLoan>, 2> texts;
    std::array<std::vector<std::string_view>, 2> lines;
    CompareOptions options;
    ProgressFeed feed;
    ComparisonResult result;
    // Why the run could not finish; empty when it did.
    std::string failure;
};

// The lines of a text whose lines are separated by LF. An empty text holds no line at all unless
// it is one line end (`emptyIsOneLine`).
std::vector<std::string_view> PaneTextLines(std::string_view text, bool emptyIsOneLine);

// Runs the job on its own thread and waits for it with the window's events flowing. True once
// the run has finished; false as soon as `progress` is gone (the main window is closing) or the
// event loop is told to quit: the run is then left to end by itself and its result is dropped.
bool RunAndWait(const std::shared_ptr<ComparisonJob>& job, ProgressWindow* progress);

} // namespace tandem
