// SPDX-License-Identifier: GPL-3.0-or-later
// A difference marker that stays beside the row it points at: it moves with the row when the
// pane scrolls, changes size or is laid out anew, and is out of sight while the row is not shown.
// Whether the marker is shown at all stays with whoever shows and hides it.
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tandem {

class TextPane;

class MarkerFollower : public QObject {
    Q_OBJECT
public:
    // The follower belongs to the marker and goes with it.
    MarkerFollower(QWidget* marker, TextPane* pane);
    static MarkerFollower* Of(const QWidget& marker);

    // Points the marker at row from now on and places it.
    void Follow(int row);
    int Row() const { return row_; }
    // Level with the row's middle, or just above the marker's column while the row is not shown.
    void Place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* marker_;
    QPointer<TextPane> pane_; // the window may take the pane down first
    int row_ = -1;            // none yet
};

} // namespace tandem
