// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/commands.h"
#include "app/programrefs.h"
#include "toolkit/textpane.h"
#include "windows/progresswindow.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace tandem {

MainWindow::MainWindow() {
    Program().main = this;
}

MainWindow::~MainWindow() {
    SaveState(*this);
    // The panes outlive this part of the window; their events must no longer reach it.
    for (const PaneSide& side : sides) {
        if (side.pane) {
            side.pane->removeEventFilter(this);
            side.pane->viewport()->removeEventFilter(this);
        }
    }
    if (Program().main == this)
        Program().main = nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ReleaseResults(*this, event);
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangePanes(*this);
}

namespace {

QStringList LocalFiles(const QMimeData* data) {
    QStringList paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

bool MainWindow::HandleFileDrop(Side side, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalFiles(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        // The drop's sender waits until the event returns: the files open after it.
        QMetaObject::invokeMethod(
            this, [this, side, paths] { DropFiles(*this, side, paths); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!RunWindowKey(*this, *event))
        QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    for (Side side : kEachSide) {
        TextPane* pane = sides[side].pane;
        if (!pane || (watched != pane && watched != pane->viewport()))
            continue;
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // The pane would take these keys for its own editing; they are the window's.
            if (IsWindowKey(*key)) {
                if (event->type() == QEvent::ShortcutOverride)
                    event->accept();
                else
                    RunWindowKey(*this, *key);
                return true;
            }
        }
        if (watched == pane->viewport() && HandleFileDrop(side, event))
            return true;
        if (event->type() == QEvent::MouseMove && watched == pane->viewport())
            TrackPaneMouse(*this, side, static_cast<QMouseEvent*>(event)->position().toPoint());
        return PaneMessageHook(*this, *pane, event);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tandem
