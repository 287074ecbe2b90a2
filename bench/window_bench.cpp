// SPDX-License-Identifier: GPL-3.0-or-later
// Times the window on one pair of files: from the start of the program to the first coloured
// screen (the start-up comparison done, the panes filled and painted with their marks applied),
// or, with --engine, the engine alone on the same files for comparison. Prints one line of
// key=value figures, peak memory included.
//   window_bench [--engine] LEFT RIGHT
#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "engine/comparison.h"
#include "toolkit/textlines.h"
#include "toolkit/textpane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <sys/resource.h>

namespace {

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray ReadAll(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int EngineAlone(const char* leftPath, const char* rightPath) {
    QElapsedTimer timer;
    timer.start();
    const QByteArray left = ReadAll(leftPath);
    const QByteArray right = ReadAll(rightPath);
    const auto leftLines = tandem::SplitLines({left.constData(), size_t(left.size())}).lines;
    const auto rightLines = tandem::SplitLines({right.constData(), size_t(right.size())}).lines;
    const tandem::ComparisonResult result = tandem::Compare(leftLines, rightLines, {});
    std::printf("engine_ms=%lld rows=%zu blocks=%d peak_kb=%ld\n",
                static_cast<long long>(timer.elapsed()), result.left.size(), result.blocks.Count(),
                PeakKilobytes());
    return 0;
}

int Window(const char* leftPath, const char* rightPath) {
    QElapsedTimer timer;
    timer.start();
    const auto window =
        tandem::BuildMainWindow({QStringLiteral("tandemview"), QString::fromLocal8Bit(leftPath),
                                 QString::fromLocal8Bit(rightPath)});
    const qint64 compared = timer.elapsed();
    const int marksBefore =
        window->sides[tandem::kLeft].marks->Count() + window->sides[tandem::kRight].marks->Count();
    // The first paint after the run colours the rows on screen.
    window->sides[tandem::kLeft].pane->viewport()->repaint();
    window->sides[tandem::kRight].pane->viewport()->repaint();
    QApplication::processEvents();
    const qint64 coloured = timer.elapsed();
    const int marksAfter =
        window->sides[tandem::kLeft].marks->Count() + window->sides[tandem::kRight].marks->Count();
    std::printf("compared_ms=%lld coloured_ms=%lld rows=%d marks_used=%d peak_kb=%ld\n",
                static_cast<long long>(compared), static_cast<long long>(coloured),
                window->sides[tandem::kLeft].pane->LineCount(), marksBefore - marksAfter,
                PeakKilobytes());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    tandem::ReturnLargeBuffersWhenFreed();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String("--engine"))
        return EngineAlone(argv[2], argv[3]);
    if (arguments.size() == 3)
        return Window(argv[1], argv[2]);
    std::fprintf(stderr, "usage: window_bench [--engine] LEFT RIGHT\n");
    return 2;
}
