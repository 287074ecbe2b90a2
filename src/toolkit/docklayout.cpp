// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/docklayout.h"

#include <QWidget>

namespace tandem {

namespace {

// What a docked child keeps across its strip: its own size once it has one, else its hint.
QSize KeptSize(QLayoutItem* item) {
    QWidget* widget = item->widget();
    if (widget && widget->testAttribute(Qt::WA_Resized))
        return widget->size();
    return item->sizeHint();
}

} // namespace

DockLayout::DockLayout(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

DockLayout::~DockLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void DockLayout::AddWidget(QWidget* widget, Dock dock) {
    addChildWidget(widget);
    entries_.append({new QWidgetItem(widget), dock});
    invalidate();
}

void DockLayout::SetDock(QWidget* widget, Dock dock) {
    for (Entry& entry : entries_) {
        if (entry.item->widget() == widget && entry.dock != dock) {
            entry.dock = dock;
            const QRect area = geometry();
            invalidate();
            if (area.isValid())
                setGeometry(area);
        }
    }
}

Dock DockLayout::DockOf(const QWidget* widget) const {
    for (const Entry& entry : entries_) {
        if (entry.item->widget() == widget)
            return entry.dock;
    }
    return Dock::None;
}

void DockLayout::addItem(QLayoutItem* item) {
    entries_.append({item, Dock::None});
}

QLayoutItem* DockLayout::itemAt(int index) const {
    return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* DockLayout::takeAt(int index) {
    if (index < 0 || index >= entries_.size())
        return nullptr;
    return entries_.takeAt(index).item;
}

QSize DockLayout::sizeHint() const {
    return geometry().isValid() ? geometry().size() : QSize(0, 0);
}

void DockLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    QRect free = rect.marginsRemoved(contentsMargins());
    for (Dock dock : {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client})
        Place(dock, free);
}

void DockLayout::Place(Dock dock, QRect& free) const {
    for (const Entry& entry : entries_) {
        if (entry.dock != dock || entry.item->isEmpty())
            continue;
        const QSize kept = KeptSize(entry.item);
        QRect strip = free;
        switch (dock) {
        case Dock::Top:
            strip.setHeight(kept.height());
            free.setTop(strip.bottom() + 1);
            break;
        case Dock::Bottom:
            strip.setTop(free.bottom() + 1 - kept.height());
            free.setBottom(strip.top() - 1);
            break;
        case Dock::Left:
            strip.setWidth(kept.width());
            free.setLeft(strip.right() + 1);
            break;
        case Dock::Right:
            strip.setLeft(free.right() + 1 - kept.width());
            free.setRight(strip.left() - 1);
            break;
        default:
            break;
        }
        entry.item->widget() ? entry.item->widget()->setGeometry(strip)
                             : entry.item->setGeometry(strip);
    }
}

DockLayout* DockLayoutOf(QWidget* widget) {
    if (auto* existing = dynamic_cast<DockLayout*>(widget->layout()))
        return existing;
    return new DockLayout(widget);
}

} // namespace tandem
