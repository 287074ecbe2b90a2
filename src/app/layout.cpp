// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the panes: side by side or one above the other, each holder taking half of the main
// area, each caption row lying over its recent-file box's text field (so the user sees the
// file's path there and opens the list with the box's button), and the right pane scrolled to
// where the left pane is.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "panes/copyscrollposition.h"
#include "toolkit/docklayout.h"
#include "toolkit/imageshow.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QStyleOptionComboBox>
#include <QToolBar>

namespace tandem {

namespace {

// The toolbar entry that switches the layout.
constexpr int kLayoutEntry = 4;
// Pixels of the main area that belong to neither holder; the holders have no borders of their
// own, so the two halves are the whole area.
constexpr int kSplitBorders = 0;

void Relayout(QWidget* widget) {
    widget->layout()->invalidate();
    widget->layout()->activate();
}

void CoverTextField(QWidget* holder, QComboBox* recent, ShadowLabel* caption) {
    // The holder's layout places the box; make sure that has happened before measuring it.
    Relayout(holder);
    QStyleOptionComboBox option;
    option.initFrom(recent);
    option.editable = true;
    const QRect field = recent->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, recent);
    caption->setGeometry(field.translated(recent->pos()));
}

void SplitMainArea(MainWindow& window) {
    const QSize area = window.mainArea->size();
    if (window.stacked) {
        QWidget* left = window.sides[kLeft].holder;
        left->resize(left->width(), (area.height() - kSplitBorders) / 2);
        window.sides[kRight].marker->show();
    } else {
        QWidget* left = window.sides[kLeft].holder;
        left->resize((area.width() - kSplitBorders) / 2, left->height());
        window.sides[kRight].marker->hide();
    }
    Relayout(window.mainArea);
}

} // namespace

void ToggleLayout(MainWindow& window) {
    window.stacked = !window.stacked;
    ApplyLayout(window);
}

void ApplyLayout(MainWindow& window) {
    if (!window.mainArea || !window.sides[kLeft].holder || !window.toolbar)
        return;
    DockLayoutOf(window.mainArea)
        ->SetDock(window.sides[kLeft].holder, window.stacked ? Dock::Top : Dock::Left);
    const QList<QAction*> entries = window.toolbar->actions();
    if (entries.size() > kLayoutEntry)
        entries[kLayoutEntry]->setToolTip(window.stacked ? QStringLiteral("Split vertically")
                                                         : QStringLiteral("Split horizontally"));
    ArrangePanes(window);
    // The current block moved with the panes; an index outside the list reads as row 0.
    const bool inList = window.blocks && window.currentDifference >= 0 &&
                        window.currentDifference < window.blocks->Count();
    ShowDifference(window, inList ? window.blocks->Item(window.currentDifference) : "");
    window.mainArea->update();
}

void ArrangePanes(MainWindow& window) {
    if (QCoreApplication::closingDown())
        return;
    if (!window.markerColumn || !window.mainArea)
        return;
    for (const PaneSide& side : window.sides) {
        if (!side.marker || !side.holder || !side.caption || !side.pane || !side.recent)
            return;
    }
    SplitMainArea(window);
    for (const PaneSide& side : window.sides)
        CoverTextField(side.holder, side.recent, side.caption);
    CopyScrollPosition(*window.sides[kLeft].pane, *window.sides[kRight].pane);
}

} // namespace tandem
