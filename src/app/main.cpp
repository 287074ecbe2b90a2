// SPDX-License-Identifier: GPL-3.0-or-later
// Tandemview: compares two text files line by line in two panes side by side.
#include "app/applicationsetup.h"
#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tandem::SetUpApplication();
    // Destroyed after the loop ends: its last save-state step may still ask a question.
    const auto window = tandem::BuildMainWindow(QApplication::arguments());
    return application.exec();
}
