// SPDX-License-Identifier: GPL-3.0-or-later
// A label that draws its text over a shadow of the given depth in a second colour.
#pragma once

#include <QColor>
#include <QLabel>

namespace tandem {

class ShadowLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShadowLabel(QWidget* parent = nullptr, int depth = 1);

    int Depth() const { return depth_; }
    void SetShadowColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int depth_;
    QColor shadow_;
};

} // namespace tandem
