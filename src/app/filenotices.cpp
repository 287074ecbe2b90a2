// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/filenotices.h"

#include "app/commands.h"
#include "app/mainwindow.h"
#include "toolkit/questionbox.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>

namespace tandem {

namespace {

const char* const kNoticeName = "fileNotice";
const char* const kWatcherName = "fileWatcher";
// The answer number of the notice's first button.
constexpr int kCompareAgainAnswer = 1;

void FileChanged(MainWindow& window, const QString& path) {
    for (Side side : kEachSide) {
        const PaneSide& held = window.sides[side];
        // A side with edits is never reloaded behind the user's back; saving it asks first.
        if (held.fileName != path || held.modified || !window.alignedText)
            continue;
        ShowFileNotice(window,
                       QStringLiteral("The file %1 was changed on disk by another program. The "
                                      "window still shows the text it read before.")
                           .arg(path),
                       true);
        return;
    }
}

QFileSystemWatcher* WatcherOf(MainWindow& window) {
    if (auto* watcher = window.findChild<QFileSystemWatcher*>(QLatin1String(kWatcherName)))
        return watcher;
    auto* watcher = new QFileSystemWatcher(&window);
    watcher->setObjectName(QLatin1String(kWatcherName));
    QObject::connect(watcher, &QFileSystemWatcher::fileChanged, &window,
                     [&window, watcher](const QString& path) {
                         // A program that saves by replacing the file ends the watch on it.
                         if (!watcher->files().contains(path))
                             watcher->addPath(path);
                         FileChanged(window, path);
                     });
    return watcher;
}

} // namespace

QuestionBox* FileNotice(const MainWindow& window) {
    return window.findChild<QuestionBox*>(QLatin1String(kNoticeName));
}

void ShowFileNotice(MainWindow& window, const QString& text, bool offerCompare) {
    if (QuestionBox* old = FileNotice(window)) {
        old->setObjectName(QString());
        old->close();
    }
    auto* notice = new QuestionBox(
        text, offerCompare ? QStringLiteral("Compare again/Close") : QString(), &window);
    notice->setObjectName(QLatin1String(kNoticeName));
    notice->setModal(false);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(notice, &QDialog::finished, &window,
                     [&window, offerCompare, box = QPointer<QuestionBox>(notice)](int answer) {
                         if (box)
                             box->setObjectName(QString());
                         if (offerCompare && answer == kCompareAgainAnswer)
                             Recompare(window);
                     });
    notice->show();
}

void WatchPairFiles(MainWindow& window) {
    QFileSystemWatcher* watcher = WatcherOf(window);
    if (!watcher->files().isEmpty())
        watcher->removePaths(watcher->files());
    for (const PaneSide& side : window.sides) {
        if (!side.fileName.isEmpty() && !side.unreadable && QFileInfo::exists(side.fileName))
            watcher->addPath(side.fileName);
    }
}

} // namespace tandem
