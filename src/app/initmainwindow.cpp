// SPDX-License-Identifier: GPL-3.0-or-later
// What follows the assembly: status line parts, the frame, built-in options, the settings, the
// command line and the first comparison.
#include "app/commandline.h"
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "app/statusparts.h"
#include "engine/comparison.h"
#include "settings/settingnames.h"
#include "toolkit/colours.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"
#include "windows/roundedframe.h"

#include <QApplication>

namespace tandem {

namespace {

// Built-in options, used until stored options replace them: the comparison's own mark colours,
// and the system's tooltip colour for the filler rows.
void SetBuiltInOptions(MainWindow& window) {
    const MarkColours builtIn;
    window.insertColour = SystemColour(kTooltipBackgroundColour);
    window.differenceColour1 = ColourFromCode(builtIn.difference1);
    window.differenceColour2 = ColourFromCode(builtIn.difference2);
    window.differenceColour3 = ColourFromCode(builtIn.difference3);
    window.depth = settings::kDefaultDepth;
    window.lookup = settings::kDefaultLookup;
}

void TakeCommandLine(MainWindow& window, const QStringList& arguments) {
    const CommandLineFiles files = FilesFromArguments(arguments);
    for (Side side : kEachSide) {
        if (const std::optional<QString>& name = side == kLeft ? files.left : files.right)
            window.settings->WriteString(settings::kFileNames[side], name->toStdString());
    }
}

} // namespace

void InitMainWindow(MainWindow& window, const QStringList& arguments) {
    for (int part = 0; part < kStatusPartCount; ++part)
        window.status->SetPart(part, QString());
    Program().mainFrame = AttachRoundedFrame(&window);
    window.show();
    for (PaneSide& side : window.sides) {
        side.pane->SetExtendedBackground(true);
        side.marks = std::make_unique<StringList>();
    }
    window.blocks = std::make_unique<StringList>();
    SetBuiltInOptions(window);
    LoadOptions(window);
    {
        const StartupGuard starting;
        TakeCommandLine(window, arguments);
        ArrangePanes(window);
        for (PaneSide& side : window.sides) {
            side.caption->raise();
            side.caption->show();
            ResetPaneFont(*side.pane);
        }
        LoadAndCompare(window);
    }
    ArrangePanes(window);
    QApplication::processEvents();
    // A window closed during the first comparison went before the event loop started, which
    // would then wait for a window that is no longer there.
    if (!window.isVisible())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace tandem
