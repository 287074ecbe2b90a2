// SPDX-License-Identifier: GPL-3.0-or-later
// The rounded frame's arithmetic: ring shades, button tint, caption button places, the region and
// what a point of the frame does when pressed. Coordinates are relative to the window's corner.
#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QRegion>
#include <array>

namespace tandem {

enum class FrameHit {
    Client,
    Caption,
    Left,
    Right,
    Top,
    Bottom,
    TopLeft,
    TopRight,
    BottomLeft,
    BottomRight
};

// Ring 1 is the outermost; each component is scaled by ring / radius, so ring radius is colour.
QColor RingColour(const QColor& colour, int ring, int radius);
// Each component below 255 - amount grows by amount, any other becomes 255.
QColor Lighten(const QColor& colour, int amount);
// Recolours an image whose background is from so that it becomes to, the marks following along.
void Tint(QImage& image, const QColor& from, const QColor& to);

// Button 0 close, 1 maximise or restore, 2 minimise.
QRect CaptionButtonRect(int button, QSize window, int radius, int captionHeight, bool minimised);
// 1..3 for the first button whose rectangle holds the point strictly inside, else 0.
int HotButton(QPoint point, const std::array<QRect, 3>& buttons);
// The band of width radius moves or resizes the window; inside it the caption band moves it.
FrameHit HitTest(QPoint point, QSize window, int radius, int captionHeight, bool hasCaption,
                 bool minimised);
Qt::Edges EdgesOf(FrameHit hit);

// Rounded corners with corner ellipses of 2 x radius.
QRegion RoundedRegion(QSize window, int radius);
// The client area lies inside the band and below the caption band.
QMargins FrameMargins(int radius, int captionHeight, bool hasCaption);

} // namespace tandem
