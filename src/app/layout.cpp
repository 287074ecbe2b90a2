// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the panes: each caption row lies over its recent-file box's text field, so the user
// sees the file's path there and opens the list with the box's button.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "toolkit/docklayout.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/textpane.h"

#include <QComboBox>
#include <QLayout>
#include <QStyleOptionComboBox>
#include <QToolBar>

namespace tandem {

namespace {

void CoverTextField(QWidget* holder, QComboBox* recent, ShadowLabel* caption) {
    // The holder's layout places the box; make sure that has happened before measuring it.
    holder->layout()->invalidate();
    holder->layout()->activate();
    QStyleOptionComboBox option;
    option.initFrom(recent);
    option.editable = true;
    const QRect field = recent->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, recent);
    caption->setGeometry(field.translated(recent->pos()));
}

// The toolbar entry that switches the layout.
constexpr int kLayoutEntry = 4;

} // namespace

void ToggleLayout(MainWindow&) {}

void ApplyLayout(MainWindow& window) {
    if (!window.mainArea || !window.leftHolder || !window.toolbar)
        return;
    DockLayoutOf(window.mainArea)
        ->SetDock(window.leftHolder, window.stacked ? Dock::Top : Dock::Left);
    const QList<QAction*> entries = window.toolbar->actions();
    if (entries.size() > kLayoutEntry)
        entries[kLayoutEntry]->setToolTip(window.stacked ? QStringLiteral("Split vertically")
                                                         : QStringLiteral("Split horizontally"));
    ArrangePanes(window);
    window.mainArea->update();
}

void ArrangePanes(MainWindow& window) {
    if (!window.leftCaption || !window.rightCaption || !window.leftPane || !window.rightPane ||
        !window.leftRecent || !window.rightRecent)
        return;
    window.mainArea->layout()->invalidate();
    window.mainArea->layout()->activate();
    CoverTextField(window.leftHolder, window.leftRecent, window.leftCaption);
    CoverTextField(window.rightHolder, window.rightRecent, window.rightCaption);
}

} // namespace tandem
