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

// Sets one of the references to a placeholder of its own for as long as it lives, and puts back
// what was there before when it goes.
class PlaceholderGuard {
public:
    explicit PlaceholderGuard(QPointer<QObject>& reference)
        : reference_(reference), previous_(reference) {
        reference_ = &placeholder_;
    }
    ~PlaceholderGuard() { reference_ = previous_; }
    PlaceholderGuard(const PlaceholderGuard&) = delete;
    PlaceholderGuard& operator=(const PlaceholderGuard&) = delete;

private:
    QPointer<QObject>& reference_;
    QPointer<QObject> previous_;
    QObject placeholder_;
};

// Holds the busy marker while an edit repaints the panes, so that no colour is applied meanwhile.
class BusyMarkerGuard : public PlaceholderGuard {
public:
    BusyMarkerGuard() : PlaceholderGuard(Program().progress) {}
};

// Stands in for the Setup dialog while the program starts: comparing files of different names
// asks no question then.
class StartupGuard : public PlaceholderGuard {
public:
    StartupGuard() : PlaceholderGuard(Program().setup) {}
};

} // namespace tandem
