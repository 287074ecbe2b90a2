// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/shadowlabel.h"

#include <QPainter>

namespace tandem {

ShadowLabel::ShadowLabel(QWidget* parent, int depth)
    : QLabel(parent), depth_(depth), shadow_(palette().color(QPalette::Light)) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void ShadowLabel::SetShadowColour(const QColor& colour) {
    shadow_ = colour;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    const int flags = int(alignment()) | Qt::TextSingleLine;
    painter.setPen(shadow_);
    painter.drawText(area.translated(depth_, depth_), flags, shown);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, shown);
}

} // namespace tandem
