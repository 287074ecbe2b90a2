// SPDX-License-Identifier: GPL-3.0-or-later
// The program's process-wide references: each is null while the window it names does not exist.
#pragma once

#include <QObject>
#include <QPointer>

namespace tandem {

class MainWindow;
class RoundedFrame;

struct ProgramRefs {
    MainWindow* main = nullptr;
    // Set while a comparison runs; while set, no colour marks are applied.
    QPointer<QObject> progress;
    // The Setup dialog, or the start-up placeholder while the program starts: while either is
    // set, comparing files of different names asks no question.
    QPointer<QObject> setup;
    QPointer<QObject> about;
    RoundedFrame* mainFrame = nullptr;
};

ProgramRefs& Program();
// Stands in for the Setup dialog during start-up.
QObject* StartupPlaceholder();

} // namespace tandem
