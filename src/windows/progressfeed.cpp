// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/progressfeed.h"

#include "windows/progressbar.h"
#include "windows/progresswindow.h"

#include <QMetaObject>
#include <atomic>
#include <mutex>
#include <vector>

namespace tandem {

struct ProgressFeed::Relay {
    // One change of the bar: its range, its position or both.
    struct Step {
        bool setsMaximum = false;
        int maximum = 0;
        bool setsPosition = false;
        int position = 0;
    };

    // Sends a step to the window's thread. Only the first of a batch wakes that thread up; the
    // rest join the batch, so the queue of events stays short however fast the rows come.
    void Send(const Step& step, const std::shared_ptr<Relay>& self) {
        const std::lock_guard lock(mutex);
        if (!window)
            return;
        const bool wake = pending.empty();
        pending.push_back(step);
        // The window is the context: the call is dropped if it goes before the call is made.
        if (wake)
            QMetaObject::invokeMethod(
                window, [self] { self->Deliver(); }, Qt::QueuedConnection);
    }

    // On the window's thread, where the window is only ever destroyed, so it outlives this call.
    void Deliver() {
        std::vector<Step> steps;
        ProgressWindow* shown = nullptr;
        {
            const std::lock_guard lock(mutex);
            steps.swap(pending);
            shown = window;
        }
        if (!shown)
            return;
        ProgressBar* bar = shown->Bar();
        for (const Step& step : steps) {
            if (step.setsMaximum)
                bar->SetMaximum(step.maximum);
            if (step.setsPosition)
                bar->SetPosition(step.position);
        }
    }

    void AskToCancel() {
        const std::lock_guard lock(mutex);
        if (feed)
            feed->cancelRequested = true;
    }

    // The window went: no more steps, and the run is told to stop where it is.
    void WindowGone() {
        const std::lock_guard lock(mutex);
        window = nullptr;
        pending.clear();
        gone = true;
        if (feed)
            feed->cancelRequested = true;
    }

    std::mutex mutex;
    ProgressWindow* window = nullptr; // null once it is gone
    ProgressFeed* feed = nullptr;     // null once the feed is gone
    std::vector<Step> pending;
    std::atomic<bool> gone{false};
};

ProgressFeed::ProgressFeed(ProgressWindow* window) : relay_(std::make_shared<Relay>()) {
    relay_->feed = this;
    if (!window) {
        relay_->gone = true;
        return;
    }
    relay_->window = window;
    shownMaximum_ = window->Bar()->Maximum();
    shownPosition_ = window->Bar()->Position();
    if (window->Cancelled())
        cancelRequested = true;
    QObject::connect(window, &ProgressWindow::CancelRequested, window,
                     [relay = relay_] { relay->AskToCancel(); });
    QObject::connect(window, &QObject::destroyed, [relay = relay_] { relay->WindowGone(); });
}

ProgressFeed::~ProgressFeed() {
    const std::lock_guard lock(relay_->mutex);
    relay_->feed = nullptr;
}

ProgressVerdict ProgressFeed::ReportProgress(int position, int maximum) {
    if (relay_->gone)
        return ProgressVerdict::Abandon;
    Relay::Step step;
    if (shownMaximum_ != maximum) {
        step.setsMaximum = true;
        step.maximum = maximum;
        shownMaximum_ = maximum;
    }
    // A side of one line has nothing to divide by: its position is set as it comes.
    if (maximum == 0 ||
        qint64(position) * 100 / maximum != qint64(shownPosition_) * 100 / maximum) {
        step.setsPosition = true;
        step.position = position;
        shownPosition_ = position;
    }
    if (step.setsMaximum || step.setsPosition) {
        ++steps_;
        relay_->Send(step, relay_);
    }
    if (relay_->gone)
        return ProgressVerdict::Abandon;
    return cancelRequested ? ProgressVerdict::Cancel : ProgressVerdict::Continue;
}

} // namespace tandem
