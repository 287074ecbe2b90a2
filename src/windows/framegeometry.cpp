// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/framegeometry.h"

#include <algorithm>

namespace tandem {

namespace {

// Width and height of a caption button image and the gap to the next button.
constexpr int kButtonSize = 20;
constexpr int kButtonGap = 5;
// Tinting towards black darkens a mark to this share of its brightness.
constexpr int kBlackTintShare = 150;
// Tinted marks never get darker than this, so they stay visible on a dark frame.
constexpr int kDarkestTint = 50;

int TintComponent(int p, int a, int b) {
    if (p == a)
        return b;
    if (p == 0)
        return 0;
    int q = b == 0 ? p * kBlackTintShare / 255 : p * b / a;
    q = std::min(q, 255);
    return q < kDarkestTint ? q + kDarkestTint : q;
}

} // namespace

QColor RingColour(const QColor& colour, int ring, int radius) {
    if (radius <= 0)
        return colour;
    return QColor(colour.red() * ring / radius, colour.green() * ring / radius,
                  colour.blue() * ring / radius);
}

QColor Lighten(const QColor& colour, int amount) {
    auto lift = [amount](int c) { return c < 255 - amount ? c + amount : 255; };
    return QColor(lift(colour.red()), lift(colour.green()), lift(colour.blue()));
}

void Tint(QImage& image, const QColor& from, const QColor& to) {
    if (from.rgb() == to.rgb())
        return;
    // A zero component of the source colour counts as 1, so the scaling never divides by 0.
    const auto atLeastOne = [](int component) { return std::max(component, 1); };
    const int a[3] = {atLeastOne(from.red()), atLeastOne(from.green()), atLeastOne(from.blue())};
    const int b[3] = {to.red(), to.green(), to.blue()};
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            row[x] = qRgb(TintComponent(qRed(p), a[0], b[0]), TintComponent(qGreen(p), a[1], b[1]),
                          TintComponent(qBlue(p), a[2], b[2]));
        }
    }
}

QRect CaptionButtonRect(int button, QSize window, int radius, int captionHeight, bool minimised) {
    const int step = kButtonSize + kButtonGap;
    const int left = minimised ? window.width() - (button + 1) * step
                               : window.width() - radius - (button + 1) * step;
    const int top = minimised ? (window.height() - kButtonSize) / 2
                              : (captionHeight - kButtonSize) / 2 + radius;
    return QRect(left, top, kButtonSize, kButtonSize);
}

int HotButton(QPoint point, const std::array<QRect, 3>& buttons) {
    for (int index = 0; index < 3; ++index) {
        const QRect& r = buttons[size_t(index)];
        const bool inside = point.x() > r.left() && point.x() < r.left() + r.width() &&
                            point.y() > r.top() && point.y() < r.top() + r.height();
        if (!r.isNull() && inside)
            return index + 1;
    }
    return 0;
}

FrameHit HitTest(QPoint point, QSize window, int radius, int captionHeight, bool hasCaption,
                 bool minimised) {
    const int x = point.x();
    const int y = point.y();
    const bool inCaption = hasCaption && y < radius + captionHeight + 1;
    const FrameHit inner = inCaption ? FrameHit::Caption : FrameHit::Client;
    if (minimised)
        return FrameHit::Caption;
    const bool top = y < radius;
    const bool bottom = y > window.height() - radius;
    if (x < radius)
        return top ? FrameHit::TopLeft : bottom ? FrameHit::BottomLeft : FrameHit::Left;
    if (x > window.width() - radius)
        return top ? FrameHit::TopRight : bottom ? FrameHit::BottomRight : FrameHit::Right;
    if (top)
        return FrameHit::Top;
    if (bottom)
        return FrameHit::Bottom;
    return inner;
}

Qt::Edges EdgesOf(FrameHit hit) {
    switch (hit) {
    case FrameHit::Left:
        return Qt::LeftEdge;
    case FrameHit::Right:
        return Qt::RightEdge;
    case FrameHit::Top:
        return Qt::TopEdge;
    case FrameHit::Bottom:
        return Qt::BottomEdge;
    case FrameHit::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case FrameHit::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case FrameHit::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case FrameHit::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

QRegion RoundedRegion(QSize window, int radius) {
    const int w = window.width();
    const int h = window.height();
    const int d = 2 * radius;
    if (radius <= 0 || w < d || h < d)
        return QRegion(0, 0, w, h);
    QRegion region(radius, 0, w - d, h);
    region += QRegion(0, radius, w, h - d);
    region += QRegion(0, 0, d, d, QRegion::Ellipse);
    region += QRegion(w - d, 0, d, d, QRegion::Ellipse);
    region += QRegion(0, h - d, d, d, QRegion::Ellipse);
    region += QRegion(w - d, h - d, d, d, QRegion::Ellipse);
    return region;
}

QMargins FrameMargins(int radius, int captionHeight, bool hasCaption) {
    const int top = hasCaption ? radius + captionHeight + 1 : radius;
    return QMargins(radius, top, radius, radius);
}

} // namespace tandem
