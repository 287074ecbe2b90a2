// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the progress window from the comparison's row reports, which arrive on the comparison's
// own thread. The bar is touched only when its whole percentage (or its range) changes; each such
// step is queued in order and set on the window's thread, so the bar goes through the same steps
// as if the rows were reported there. Escape in the window reaches the run's cancel flag at once.
#pragma once

#include "engine/comparison.h"

#include <memory>

namespace tandem {

class ProgressWindow;

class ProgressFeed : public ProgressSink {
public:
    // Made on the window's thread; the window may go before the feed, and the feed before it.
    explicit ProgressFeed(ProgressWindow* window);
    ~ProgressFeed() override;
    ProgressFeed(const ProgressFeed&) = delete;
    ProgressFeed& operator=(const ProgressFeed&) = delete;

    // From any thread. Abandon once the window is gone (the main window is closing), Cancel after
    // Escape.
    ProgressVerdict ReportProgress(int position, int maximum) override;
    // How many steps were sent to the bar.
    int Steps() const { return steps_; }

private:
    struct Relay;
    // What the feed and the window share across the two threads; it lives as long as either needs
    // it.
    std::shared_ptr<Relay> relay_;
    // The bar's range and position as the steps sent so far leave them.
    int shownMaximum_ = 0;
    int shownPosition_ = 0;
    int steps_ = 0;
};

} // namespace tandem
