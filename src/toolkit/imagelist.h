// SPDX-License-Identifier: GPL-3.0-or-later
// Images of one size cut from strips, with a colour that is made transparent.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <vector>

class QPainter;

namespace tandem {

class ImageList {
public:
    ImageList(int width, int height) : width_(width), height_(height) {}

    // Cuts the strip into images from the left and adds them; returns the first new index.
    int AddMasked(const QImage& strip, const QColor& mask);
    // The same from an image resource; a missing resource adds nothing.
    int AddMasked(const QString& resource, const QColor& mask);
    int Count() const { return int(images_.size()); }
    QPixmap Image(int index) const;
    void Draw(QPainter& painter, int index, QPoint at) const;

private:
    int width_;
    int height_;
    std::vector<QPixmap> images_;
};

// The image with every pixel of colour from replaced by to.
QImage ReplaceColour(const QImage& image, const QColor& from, const QColor& to);

} // namespace tandem
