// SPDX-License-Identifier: GPL-3.0-or-later
// Docking of children by side: top, bottom, left and right children take their strip of what is
// left, in that order and each in the order added; client children fill the rest. Undocked
// children keep the place they were given. Re-lays out on every resize and change of dock.
#pragma once

#include <QLayout>
#include <QList>

namespace tandem {

enum class Dock { None, Left, Top, Right, Bottom, Client };

class DockLayout : public QLayout {
public:
    explicit DockLayout(QWidget* parent = nullptr);
    ~DockLayout() override;

    void AddWidget(QWidget* widget, Dock dock);
    void SetDock(QWidget* widget, Dock dock);
    Dock DockOf(const QWidget* widget) const;

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return int(entries_.size()); }
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect& rect) override;

private:
    struct Entry {
        QLayoutItem* item;
        Dock dock;
    };
    void Place(Dock dock, QRect& free) const;

    QList<Entry> entries_;
};

// The dock layout of a widget, made for it when it has none yet.
DockLayout* DockLayoutOf(QWidget* widget);

} // namespace tandem
