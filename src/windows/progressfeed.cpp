// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/progressfeed.h"

#include "windows/progressbar.h"
#include "windows/progresswindow.h"

#include <QApplication>

namespace tandem {

ProgressVerdict ProgressFeed::ReportProgress(int position, int maximum) {
    if (!window_)
        return ProgressVerdict::Abandon;
    ProgressBar* bar = window_->Bar();
    bool changed = false;
    if (bar->Maximum() != maximum) {
        bar->SetMaximum(maximum);
        changed = true;
    }
    // A side of one line has nothing to divide by: its position is set as it comes.
    if (maximum == 0) {
        bar->SetPosition(position);
        changed = true;
    } else if (qint64(position) * 100 / maximum != qint64(bar->Position()) * 100 / maximum) {
        bar->SetPosition(position);
        changed = true;
    }
    if (changed) {
        ++eventPasses_;
        QApplication::processEvents();
    }
    if (!window_)
        return ProgressVerdict::Abandon;
    return window_->Cancelled() ? ProgressVerdict::Cancel : ProgressVerdict::Continue;
}

} // namespace tandem
