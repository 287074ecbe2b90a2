// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the progress window from the comparison's row reports. The window is touched, and
// pending events let through, only when the bar's whole percentage (or its range) changes:
// that is when the bar repaints, Escape reaches the window and a close request the main window.
#pragma once

#include "engine/comparison.h"

#include <QPointer>

namespace tandem {

class ProgressWindow;

class ProgressFeed : public ProgressSink {
public:
    explicit ProgressFeed(ProgressWindow* window) : window_(window) {}

    // Abandon once the window is gone (the main window is closing), Cancel after Escape.
    ProgressVerdict ReportProgress(int position, int maximum) override;
    // How often pending events were let through.
    int EventPasses() const { return eventPasses_; }

private:
    QPointer<ProgressWindow> window_;
    int eventPasses_ = 0;
};

} // namespace tandem
