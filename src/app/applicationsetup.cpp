// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicationsetup.h"

#include "toolkit/applicationcaption.h"

#include <QApplication>
#include <QIcon>

namespace tandem {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("tandemview"));
    // No display name: the window system would show it after every window's own caption.
    SetApplicationCaption(QStringLiteral("Tandemview"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    // Lets the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tandemview"));
}

} // namespace tandem
