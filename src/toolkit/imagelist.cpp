// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/imagelist.h"

#include <QPainter>

namespace tandem {

QImage ReplaceColour(const QImage& image, const QColor& from, const QColor& to) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb match = from.rgb();
    const QRgb replacement = to.rgba();
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((row[x] | 0xFF000000u) == match && qAlpha(row[x]) != 0)
                row[x] = replacement;
        }
    }
    return result;
}

int ImageList::AddMasked(const QImage& strip, const QColor& mask) {
    const int first = Count();
    if (width_ <= 0 || height_ <= 0)
        return first;
    const QImage clear = ReplaceColour(strip, mask, Qt::transparent);
    for (int left = 0; left + width_ <= clear.width(); left += width_)
        images_.push_back(QPixmap::fromImage(clear.copy(left, 0, width_, height_)));
    return first;
}

int ImageList::AddMasked(const QString& resource, const QColor& mask) {
    return AddMasked(QImage(resource), mask);
}

QPixmap ImageList::Image(int index) const {
    return index >= 0 && index < Count() ? images_[size_t(index)] : QPixmap();
}

void ImageList::Draw(QPainter& painter, int index, QPoint at) const {
    if (index >= 0 && index < Count())
        painter.drawPixmap(at, images_[size_t(index)]);
}

} // namespace tandem
