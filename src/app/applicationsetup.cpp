// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicationsetup.h"

#include "toolkit/applicationcaption.h"

#include <QApplication>
#include <QIcon>
#include <cstdlib> // tells which C library this is
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace tandem {

void ReturnLargeBuffersWhenFreed() {
#ifdef __GLIBC__
    // A fixed threshold: by default it rises to the size of each large block freed, up to 32 MB,
    // so the texts and line lists of the next comparison come from memory never given back.
    constexpr int kLargeBuffer = 1 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargeBuffer);
#endif
}

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("tandemview"));
    // No display name: the window system would show it after every window's own caption.
    SetApplicationCaption(QStringLiteral("Tandemview"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    // Lets the desktop match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tandemview"));
}

} // namespace tandem
