// SPDX-License-Identifier: GPL-3.0-or-later
// Who made the program and on what terms it may be used, a mail link to the makers, and an "OK"
// image button that ends the window's modal run.
#pragma once

#include "toolkit/imagelist.h"

#include <QDialog>
#include <QList>

class QToolButton;

namespace tandem {

class ShadowLabel;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowCount = 9;
    // The row that starts a message to the makers when clicked.
    static constexpr int kMailRow = 7;

    explicit AboutWindow(QWidget* parent = nullptr);

    ShadowLabel* Row(int index) const { return rows_.value(index); }
    QToolButton* CloseButton() const { return close_; }
    QWidget* Panel() const { return panel_; }
    // The address a click on the mail link opens.
    static QString MailLink();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildRows();
    void BuildCloseButton();
    void CentreCloseButton();

    ImageList images_;
    QWidget* panel_;
    QList<ShadowLabel*> rows_;
    QToolButton* close_ = nullptr;
};

} // namespace tandem
