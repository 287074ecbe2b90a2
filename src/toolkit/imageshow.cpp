// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/imageshow.h"

#include "toolkit/imagelist.h"

#include <QPainter>

namespace tandem {

ImageShow::ImageShow(const ImageList* images, int index, QWidget* parent)
    : QWidget(parent), images_(images), index_(index) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageShow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (images_)
        images_->Draw(painter, index_, QPoint(0, 0));
}

} // namespace tandem
