// SPDX-License-Identifier: GPL-3.0-or-later
// Tandemview: compares two text files line by line in two panes side by side.
#include "app/mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tandemview"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tandemview"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    // Destroyed after the loop ends: its last save-state step may still ask a question.
    const auto window = tandem::BuildMainWindow(QApplication::arguments());
    return application.exec();
}
