// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/comparisonthread.h"

#include "windows/progresswindow.h"

#include <QEventLoop>
#include <QPointer>
#include <algorithm>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

namespace tandem {

namespace {

// Where the run tells the window's thread that it has finished. The loop is forgotten, under the
// lock, before it goes, so a run that ends later posts to nothing.
struct Waiter {
    std::mutex mutex;
    QEventLoop* loop = nullptr;
    bool finished = false;
};

void RunJob(ComparisonJob& job) {
    try {
        job.result = Compare(std::move(job.lines[kLeft]), std::move(job.lines[kRight]), job.options,
                             &job.feed);
    } catch (const std::bad_alloc&) {
        job.failure = "there is not enough memory";
    }
    for (const std::shared_ptr<TextLoan>& text : job.texts) {
        if (text)
            text->Return();
    }
}

} // namespace

std::vector<std::string_view> PaneTextLines(std::string_view text, bool emptyIsOneLine) {
    std::vector<std::string_view> lines;
    if (text.empty() && !emptyIsOneLine)
        return lines;
    // Counted first: a million lines would otherwise leave a vector up to twice their size.
    lines.reserve(size_t(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool RunAndWait(const std::shared_ptr<ComparisonJob>& job, ProgressWindow* progress) {
    QEventLoop loop;
    const QPointer<ProgressWindow> watched(progress);
    QObject::connect(progress, &QObject::destroyed, &loop, &QEventLoop::quit);
    auto waiter = std::make_shared<Waiter>();
    waiter->loop = &loop;
    // The thread holds the job and the waiter itself, so it never needs the window again.
    auto work = [job, waiter] {
        RunJob(*job);
        const std::lock_guard lock(waiter->mutex);
        waiter->finished = true;
        if (waiter->loop)
            QMetaObject::invokeMethod(waiter->loop, &QEventLoop::quit, Qt::QueuedConnection);
    };
    try {
        std::thread(work).detach();
    } catch (const std::system_error&) {
        work(); // no thread to be had: the run goes on this one, as a plain call
    }
    bool finished = false;
    {
        const std::lock_guard lock(waiter->mutex);
        finished = waiter->finished;
    }
    if (!finished && watched)
        loop.exec();
    const std::lock_guard lock(waiter->mutex);
    waiter->loop = nullptr;
    return waiter->finished && watched;
}

} // namespace tandem
