// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/progressbar.h"

#include "toolkit/colours.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace tandem {

namespace {

// The fill and the text over the unfilled part: red as a colour code.
constexpr std::int32_t kBarColourCode = 0x0000FF;

} // namespace

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), background_(SystemColour(kButtonFaceColour)),
      barColour_(ColourFromCode(kBarColourCode)) {
    font_ = font();
    font_.setBold(true);
    // The canvas covers every pixel, so nothing is erased behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressBar::SetBackgroundColour(const QColor& colour) {
    background_ = colour;
    frameNeeded_ = true;
    Paint();
}

void ProgressBar::SetPosition(int position) {
    position_ = position;
    Paint();
}

void ProgressBar::SetMaximum(int maximum) {
    maximum_ = maximum;
    if (maximum_ == minimum_)
        minimum_ = maximum_ - 1;
}

void ProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    frameNeeded_ = true;
    Paint();
}

void ProgressBar::FitCanvas() {
    // A hidden widget hears of its size only when shown; the canvas follows the size itself.
    if (canvas_.size() == size())
        return;
    // The old picture is not carried over: its frame would stay inside the new one. The bar is
    // drawn afresh as at its first paint.
    canvas_ = QImage(size(), QImage::Format_RGB32);
    canvas_.fill(background_);
    frameNeeded_ = true;
    lastPosition_ = 0;
    lastPercent_ = 0;
    lastText_.clear();
}

void ProgressBar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        frameNeeded_ = true;
        Paint();
    }
}

void ProgressBar::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, canvas_);
}

void ProgressBar::Paint() {
    FitCanvas();
    if (canvas_.isNull())
        return;
    QPainter painter(&canvas_);
    painter.setFont(font_);
    const qint64 range = qint64(maximum_) - minimum_;
    percent_ = int(qint64(position_) * 100 / range);
    const QRect bounds = canvas_.rect();
    if (position_ <= lastPosition_ || frameNeeded_) {
        PaintFrame(painter, bounds);
        frameNeeded_ = false;
        if (percent_ < lastPercent_ && percent_ == 0)
            painter.fillRect(bounds.adjusted(1, 1, -1, -1), background_);
    }
    const QRect fill = bounds.adjusted(kInset, kInset, -kInset, -kInset);
    const int fillEdge = fill.left() + int(qint64(fill.width()) * position_ / range);
    // A partial step backwards is not drawn; the bar stays as it was.
    if (percent_ < lastPercent_ && percent_ > 0)
        return;
    PaintText(painter, fill, fillEdge);
    update();
}

void ProgressBar::PaintFrame(QPainter& painter, const QRect& bounds) {
    const int right = bounds.right();
    const int bottom = bounds.bottom();
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(Qt::white);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}

void ProgressBar::PaintText(QPainter& painter, const QRect& fill, int fillEdge) {
    const QString text = QStringLiteral(" %1% ").arg(percent_);
    const QFontMetrics metrics(font_);
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    const int textLeft = (width() - textWidth) / 2;
    const int textRight = (width() + textWidth) / 2 + 1;
    // Rectangles here run from left up to, not including, right, as the arithmetic has them.
    const auto span = [&](int left, int right, int top, int bottom) {
        return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    };
    const int fillTop = fill.top();
    const int fillBottom = fill.bottom() + 1;
    const QPoint baseline(textLeft, fillTop + metrics.ascent());

    const int barEnd = std::min(fillEdge, textLeft);
    if (barEnd > fill.left())
        painter.fillRect(span(fill.left(), barEnd, fillTop, fillBottom), barColour_);

    if (text != lastText_ || position_ < lastPosition_) {
        if (textRight > fillEdge || textHeight > fill.height()) {
            const QRect strip = span(fillEdge, textRight, fillTop, fillTop + textHeight);
            painter.save();
            painter.setClipRect(strip);
            painter.fillRect(strip, background_);
            painter.setPen(barColour_);
            painter.drawText(baseline, text);
            painter.restore();
        }
    }
    const int overRight = std::min(fillEdge, textRight) + 1;
    if (overRight > textLeft - 1) {
        const QRect over = span(textLeft - 1, overRight, fillTop, fillBottom);
        painter.save();
        painter.setClipRect(over);
        painter.fillRect(over, barColour_);
        painter.setPen(background_);
        painter.drawText(baseline, text);
        painter.restore();
    }
    if (fillEdge >= textRight - 1 && fillEdge > textRight - 2)
        painter.fillRect(span(textRight - 2, fillEdge, fillTop, fillBottom), barColour_);

    lastText_ = text;
    lastPercent_ = percent_;
    lastPosition_ = position_;
}

} // namespace tandem
