// SPDX-License-Identifier: GPL-3.0-or-later
// Tandemview: compares two text files line by line in two panes side by side.
#include "app/applicationsetup.h"
#include "app/commandline.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <cstdio>

namespace {

// As GNU tools have it: a bad option is trouble, status 2.
constexpr int kBadOption = 2;

QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

// Help and version need no display, so they are answered before the window system is reached.
bool AnsweredWithoutWindow(const QStringList& arguments) {
    const tandem::CommandLineRequest request = tandem::ReadCommandLine(arguments);
    if (request.action == tandem::CommandLineAction::ShowHelp)
        std::fputs(tandem::UsageText().toLocal8Bit().constData(), stdout);
    else if (request.action == tandem::CommandLineAction::ShowVersion)
        std::fputs("tandemview (Tandemview) " TANDEM_VERSION "\n", stdout);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (AnsweredWithoutWindow(RawArguments(argc, argv)))
        return 0;
    tandem::ReturnLargeBuffersWhenFreed();
    QApplication application(argc, argv);
    // Qt has taken its own options out of the arguments by now; any other option is unknown.
    const tandem::CommandLineRequest request = tandem::ReadCommandLine(QApplication::arguments());
    if (request.action == tandem::CommandLineAction::RefuseOption) {
        std::fprintf(stderr, "tandemview: %s: unknown option (see --help)\n",
                     request.refused.toLocal8Bit().constData());
        return kBadOption;
    }
    tandem::SetUpApplication();
    // Destroyed after the loop ends: its last save-state step may still ask a question.
    const auto window = tandem::BuildMainWindow(QApplication::arguments());
    return application.exec();
}
