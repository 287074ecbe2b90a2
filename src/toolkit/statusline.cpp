// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/statusline.h"

#include "toolkit/docklayout.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace tandem {

namespace {

// Height of the line: one line of the window's font with room for the part frames.
constexpr int kLinePadding = 8;
// Space between a part's frame and its text.
constexpr int kTextInset = 4;

} // namespace

std::vector<int> StatusPartEdges(int index, int width) {
    std::vector<int> edges;
    const int parts = index + 1;
    for (int part = 1; part < parts; ++part)
        edges.push_back(width / parts * part);
    edges.push_back(-1);
    return edges;
}

StatusLine::StatusLine(QWidget* window) : QWidget(window) {
    setFixedHeight(fontMetrics().height() + kLinePadding);
}

StatusLine* StatusLine::Of(QWidget* window) {
    if (auto* existing = window->findChild<StatusLine*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    auto* line = new StatusLine(window);
    window->resize(window->width(), window->height() + line->height());
    DockLayoutOf(window)->AddWidget(line, Dock::Bottom);
    line->show();
    return line;
}

void StatusLine::SetPart(int index, const QString& text) {
    if (index < 0 || index > kSimplePart)
        return;
    if (index == kSimplePart) {
        simple_ = true;
        simpleText_ = text;
        update();
        return;
    }
    if (int(edges_.size()) <= index) {
        edges_ = StatusPartEdges(index, parentWidget()->width());
        texts_.resize(edges_.size());
    }
    simple_ = false;
    texts_[size_t(index)] = text;
    update();
}

QString StatusLine::PartText(int index) const {
    if (simple_)
        return index == 0 ? simpleText_ : QString();
    return index >= 0 && index < int(texts_.size()) ? texts_[size_t(index)] : QString();
}

QRect StatusLine::PartRect(int index) const {
    if (simple_)
        return index == 0 ? rect() : QRect();
    if (index < 0 || index >= int(edges_.size()))
        return {};
    const int left = index == 0 ? 0 : edges_[size_t(index) - 1];
    const int right = edges_[size_t(index)] < 0 ? width() : edges_[size_t(index)];
    return QRect(left, 0, right - left, height());
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int part = 0; part < PartCount(); ++part) {
        const QRect area = PartRect(part);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = area.adjusted(1, 1, -1, -1);
        frame.lineWidth = 1;
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        const QRect textArea = area.adjusted(kTextInset, 0, -kTextInset, 0);
        const QString text =
            painter.fontMetrics().elidedText(PartText(part), Qt::ElideRight, textArea.width());
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace tandem
