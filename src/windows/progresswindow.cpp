// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/progresswindow.h"

#include "toolkit/colours.h"
#include "windows/framegeometry.h"
#include "windows/progressbar.h"
#include "windows/roundedframe.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tandem {

namespace {

// Where the window starts before it is centred.
constexpr int kStartLeft = 499;
constexpr int kStartTop = 549;
// The frame's corner radius; the window is small, so the frame stays thin.
constexpr int kFrameRadius = 10;
// The percentage's font, 18 pixels from line to line.
const char* const kBarFace = "Arial";
constexpr int kBarFontPixels = 16;

} // namespace

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      bar_(new ProgressBar(this)) {
    setWindowTitle(QStringLiteral("Progr"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    bar_->Font().setFamily(QString::fromLatin1(kBarFace));
    bar_->Font().setPixelSize(kBarFontPixels);
    bar_->SetPosition(0);
    bar_->SetBackgroundColour(SystemColour(kButtonFaceColour));
    setFocusPolicy(Qt::StrongFocus);
    // The frame keeps the outer size at attach and then shrinks by the radius it gives up, so
    // the window starts with room for the wider frame around the client area.
    const QMargins attach = FrameMargins(RoundedFrame::kAttachRadius, 0, false);
    setGeometry(kStartLeft, kStartTop, kClientWidth + attach.left() + attach.right(),
                kClientHeight + attach.top() + attach.bottom());
    SetFrameRadius(AttachRoundedFrame(this), kFrameRadius);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place = geometry();
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}

void ProgressWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape)
        return;
    cancelled_ = true;
    emit CancelRequested();
}

void ProgressWindow::Finish() {
    finishing_ = true;
    close();
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    // Only the comparison run closes the window; the user stops it with Escape.
    if (!finishing_)
        event->ignore();
}

} // namespace tandem
