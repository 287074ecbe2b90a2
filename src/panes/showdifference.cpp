// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/showdifference.h"

#include "engine/records.h"
#include "panes/markerfollower.h"
#include "panes/syncguard.h"
#include "panes/visiblemarks.h"
#include "toolkit/textpane.h"

namespace tandem {

namespace {

// The block's first row lands this many lines above the middle of the pane.
constexpr int kLinesAboveMiddle = 2;
// The markers' left edge in the marker column, clear of its sunken edge.
constexpr int kMarkerLeft = 1;

// The height of a row measured from the next row's top; the last row has no next row, so the
// pane's own line height stands in.
int RowHeight(const TextPane& pane, int row) {
    const int next = pane.LineStart(row + 1);
    if (next < 0 || pane.LineStart(row) < 0)
        return pane.LineHeight();
    return pane.PointOf(next).y() - pane.PointOf(pane.LineStart(row)).y();
}

int RowTop(const TextPane& pane, int row) {
    const int start = pane.LineStart(row);
    if (start >= 0)
        return pane.PointOf(start).y();
    return (row - pane.FirstVisibleLine()) * pane.LineHeight();
}

void ScrollToRow(TextPane& pane, int row, int rows) {
    pane.ScrollLines(row - pane.FirstVisibleLine() - rows / 2 + kLinesAboveMiddle);
}

// The marker's follower keeps it beside the row from now on; a marker without one is placed once.
void PlaceMarker(const TextPane& pane, int row, QWidget& marker) {
    marker.move(kMarkerLeft, marker.y());
    if (MarkerFollower* follower = MarkerFollower::Of(marker))
        follower->Follow(row);
    else
        marker.move(kMarkerLeft, MarkerTop(pane, row, marker));
}

} // namespace

int RowMiddle(const TextPane& pane, int row) {
    return RowTop(pane, row) + RowHeight(pane, row) / 2;
}

int MarkerTop(const TextPane& pane, int row, const QWidget& marker) {
    const int lineHeight = RowHeight(pane, row);
    const QPoint rowTop(0, RowTop(pane, row));
    const QWidget* column = marker.parentWidget();
    const int top =
        column ? column->mapFromGlobal(pane.viewport()->mapToGlobal(rowTop)).y() : rowTop.y();
    return top - marker.height() / 2 + lineHeight / 2;
}

void ShowDifference(const DifferencePanes& panes, std::string_view block) {
    if (!panes.left || !panes.right)
        return;
    const int row = RecordRow(block);
    {
        const SyncGuard guard;
        const int lineHeight = RowHeight(*panes.left, row);
        if (lineHeight > 0) {
            const int rows = panes.left->height() / lineHeight;
            ScrollToRow(*panes.left, row, rows);
            ScrollToRow(*panes.right, row, rows);
        }
        if (panes.leftMarker) {
            PlaceMarker(*panes.left, row, *panes.leftMarker);
            panes.leftMarker->show();
        }
        if (panes.rightMarker)
            PlaceMarker(*panes.right, row, *panes.rightMarker);
    }
    ApplyVisibleMarks(panes.left, panes.leftMarks);
    ApplyVisibleMarks(panes.right, panes.rightMarks);
}

} // namespace tandem
