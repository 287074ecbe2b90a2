// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/roundedframe.h"

#include "windows/framegeometry.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

namespace tandem {

namespace {

// Size of the caption buttons' images.
constexpr int kButtonImageSize = 20;
// The colour of the caption button images that is left transparent.
const QColor kButtonMask(1, 0, 0);
// The icon is drawn this size at the caption band's left; the caption text starts this far in.
constexpr int kIconSize = 20;
constexpr int kCaptionTextIndent = 40;
// A button under the mouse is lightened by this much.
constexpr int kHighlight = 20;
// A window lower than this (minimised or very flat) gets a plain rectangular frame.
constexpr int kFlatHeight = 50;
// Inset of the caption text of the flat frame.
constexpr int kFlatTextInset = 5;

void GrowWindow(QWidget* window, int width, int height) {
    const QSize size = window->size() + QSize(width, height);
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
}

Qt::CursorShape CursorFor(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
    case FrameHit::Right:
        return Qt::SizeHorCursor;
    case FrameHit::Top:
    case FrameHit::Bottom:
        return Qt::SizeVerCursor;
    case FrameHit::TopLeft:
    case FrameHit::BottomRight:
        return Qt::SizeFDiagCursor;
    case FrameHit::TopRight:
    case FrameHit::BottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

RoundedFrame::RoundedFrame(QWidget* window)
    : QObject(window), window_(window), buttons_(kButtonImageSize, kButtonImageSize) {
    colour_ = window->palette().color(QPalette::Window);
    hasCaption_ = !window->windowFlags().testFlag(Qt::FramelessWindowHint);
    caption_ = window->windowTitle();
    buttons_.AddMasked(QStringLiteral(":/LIST"), kButtonMask);
    const bool visible = window->isVisible();
    // The frame replaces every decoration the window system would draw.
    const Qt::WindowFlags decorations = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                        Qt::WindowCloseButtonHint;
    window->setWindowFlags((window->windowFlags() & ~decorations) | Qt::FramelessWindowHint);
    if (visible)
        window->show();
    window->setMouseTracking(true);
    window->setContentsMargins(FrameMargins(radius_, kCaptionHeight, hasCaption_));
    BuildOwnMenu();
    window->installEventFilter(this);
    UpdateRegion(true);
}

void RoundedFrame::BuildOwnMenu() {
    ownMenu_ = new QMenu(window_);
    ownMenu_->addAction(tr("&Move"), this, [this] {
        if (window_ && window_->windowHandle())
            window_->windowHandle()->startSystemMove();
    });
    ownMenu_->addAction(tr("&Size"), this, [this] {
        if (window_ && window_->windowHandle())
            window_->windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
    });
    ownMenu_->addSeparator();
    ownMenu_->addAction(QStringLiteral("Cl&ose  Alt+F4"), this, [this] {
        if (window_)
            QMetaObject::invokeMethod(window_, "close", Qt::QueuedConnection);
    });
}

void RoundedFrame::SetRadius(int radius) {
    const int grow = 2 * (radius - radius_);
    radius_ = radius;
    window_->setContentsMargins(FrameMargins(radius_, kCaptionHeight, hasCaption_));
    GrowWindow(window_, grow, grow);
    UpdateRegion(true);
    window_->update();
}

bool RoundedFrame::Minimised() const {
    return window_->isMinimized();
}

bool RoundedFrame::Flat() const {
    return Minimised() || window_->height() < kFlatHeight;
}

QRect RoundedFrame::ButtonRect(int button) const {
    return CaptionButtonRect(button, window_->size(), radius_, kCaptionHeight, Flat());
}

QImage RoundedFrame::ButtonImage(int button, bool highlighted) const {
    const int index = button == 1 ? (maximisedToggle_ ? 3 : 1) : button;
    QImage image(kButtonImageSize, kButtonImageSize, QImage::Format_RGB32);
    image.fill(colour_);
    {
        QPainter painter(&image);
        buttons_.Draw(painter, index, QPoint(0, 0));
    }
    // The image's own background (its pixel at 1, 1) becomes the frame colour, then lighter.
    Tint(image, image.pixelColor(1, 1), colour_);
    Tint(image, image.pixelColor(1, 1), Lighten(colour_, highlighted ? kHighlight : 0));
    return image;
}

void RoundedFrame::UpdateRegion(bool forced) {
    const QSize size = window_->size();
    if (!forced && size == lastSize_)
        return;
    lastSize_ = size;
    window_->setMask(Flat() ? QRegion(QRect(QPoint(0, 0), size)) : RoundedRegion(size, radius_));
}

bool RoundedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(window_);
        Paint(painter);
        return false;
    }
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (!Minimised())
            UpdateRegion(false);
        window_->update();
        return false;
    case QEvent::WindowTitleChange:
        caption_ = window_->windowTitle();
        window_->update();
        return false;
    case QEvent::MouseMove:
        MouseMoved(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::Leave:
        SetHot(0);
        return false;
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        return press->button() == Qt::LeftButton && Pressed(press->position().toPoint());
    }
    default:
        return false;
    }
}

void RoundedFrame::Paint(QPainter& painter) const {
    if (Flat()) {
        PaintFlat(painter);
        return;
    }
    PaintRings(painter);
    if (hasCaption_)
        PaintCaption(painter);
    for (int button = 0; button < 3; ++button)
        PaintButton(painter, button);
}

void RoundedFrame::PaintFlat(QPainter& painter) const {
    const QRect all = window_->rect();
    painter.fillRect(all, colour_);
    painter.setPen(window_->palette().color(QPalette::WindowText));
    painter.setFont(window_->font());
    const QRect textArea = all.adjusted(kFlatTextInset, 0, -kFlatTextInset, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    qDrawShadeRect(&painter, all, window_->palette(), true, 1, 0);
    qDrawShadeRect(&painter, all.adjusted(1, 1, -1, -1), window_->palette(), false, 1, 0);
    PaintButton(painter, 0);
}

void RoundedFrame::PaintRings(QPainter& painter) const {
    const int w = window_->width();
    const int h = window_->height();
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= radius_; ++ring) {
        painter.setPen(QPen(RingColour(colour_, ring, radius_), 2));
        const int corner = radius_ - ring + 1;
        painter.drawRoundedRect(QRect(ring, ring, w - 2 * ring, h - 2 * ring), corner, corner);
    }
}

void RoundedFrame::PaintCaption(QPainter& painter) const {
    const QRect band(radius_, radius_, window_->width() - 2 * radius_, kCaptionHeight + 1);
    painter.fillRect(band, colour_);
    const int iconAt = radius_ + (kCaptionHeight - kIconSize) / 2;
    const QIcon icon = window_->windowIcon();
    if (!icon.isNull())
        painter.drawPixmap(iconAt, iconAt, icon.pixmap(kIconSize, kIconSize));
    if (!window_->isVisible())
        return;
    QRect textArea = band;
    textArea.setLeft(radius_ + kCaptionTextIndent);
    textArea.setRight(ButtonRect(2).left() - 1);
    painter.setFont(window_->font());
    painter.setPen(window_->palette().color(QPalette::WindowText));
    const QString shown =
        painter.fontMetrics().elidedText(caption_, Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void RoundedFrame::PaintButton(QPainter& painter, int button) const {
    if ((!Flat() && !hasCaption_) || (Flat() && button > 0))
        return;
    painter.drawImage(ButtonRect(button).topLeft(), ButtonImage(button, hot_ == button + 1));
}

void RoundedFrame::SetHot(int hot) {
    if (hot == hot_)
        return;
    if (hot_ > 0)
        window_->update(ButtonRect(hot_ - 1));
    hot_ = hot;
    if (hot_ > 0)
        window_->update(ButtonRect(hot_ - 1));
}

void RoundedFrame::MouseMoved(QPoint at) {
    SetHot(tandem::HotButton(at, {ButtonRect(0), ButtonRect(1), ButtonRect(2)}));
    const FrameHit hit =
        HitTest(at, window_->size(), radius_, kCaptionHeight, hasCaption_, Minimised());
    if (hit == FrameHit::Client || hit == FrameHit::Caption)
        window_->unsetCursor();
    else
        window_->setCursor(CursorFor(hit));
}

bool RoundedFrame::Pressed(QPoint at) {
    const int iconEnd = radius_ + kCaptionHeight;
    const bool onIcon =
        at.x() > radius_ && at.y() > radius_ && at.x() < iconEnd && at.y() < iconEnd;
    if (hasCaption_ && !Flat() && onIcon) {
        ownMenu_->popup(window_->mapToGlobal(QPoint(radius_, radius_)));
        return true;
    }
    const int button = tandem::HotButton(at, {ButtonRect(0), ButtonRect(1), ButtonRect(2)});
    if (button > 0 && (hasCaption_ || Flat())) {
        ButtonClicked(button - 1);
        return true;
    }
    const FrameHit hit =
        HitTest(at, window_->size(), radius_, kCaptionHeight, hasCaption_, Minimised());
    QWindow* handle = window_->windowHandle();
    if (hit == FrameHit::Client || !handle)
        return false;
    if (hit == FrameHit::Caption)
        handle->startSystemMove();
    else
        handle->startSystemResize(EdgesOf(hit));
    return true;
}

void RoundedFrame::ButtonClicked(int button) {
    if (button == 0) {
        QMetaObject::invokeMethod(window_, "close", Qt::QueuedConnection);
    } else if (button == 1) {
        maximisedToggle_ ? window_->showNormal() : window_->showMaximized();
        maximisedToggle_ = !maximisedToggle_;
        window_->update();
    } else {
        window_->showMinimized();
    }
}

RoundedFrame* AttachRoundedFrame(QWidget* window) {
    return new RoundedFrame(window);
}

void SetFrameRadius(RoundedFrame* frame, int radius) {
    if (frame)
        frame->SetRadius(radius);
}

} // namespace tandem
