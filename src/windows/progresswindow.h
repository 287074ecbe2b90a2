// SPDX-License-Identifier: GPL-3.0-or-later
// The small stay-on-top window that shows how far a comparison has come. Escape in it asks the
// comparison to stop; it has no caption band and no close command of its own.
#pragma once

#include <QWidget>

namespace tandem {

class ProgressBar;

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // Built hidden and centred, wearing the rounded frame; the bar fills the client area.
    explicit ProgressWindow(QWidget* parent = nullptr);

    ProgressBar* Bar() const { return bar_; }
    // Set once the user has pressed Escape; never cleared.
    bool Cancelled() const { return cancelled_; }
    // Shows the window in front of the others with the keyboard focus.
    void ShowInFront();
    // The run's close at its end; any other close request is refused.
    void Finish();

    static constexpr int kClientWidth = 485;
    static constexpr int kClientHeight = 40;

signals:
    // The user pressed Escape: the comparison should stop at its next row.
    void CancelRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ProgressBar* bar_;
    bool cancelled_ = false;
    bool finishing_ = false;
};

} // namespace tandem
