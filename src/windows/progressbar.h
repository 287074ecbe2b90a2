// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's owner-drawn bar: a red fill growing inside a sunken frame with the
// percentage centred over it. Drawing is incremental on a canvas that persists between paints,
// so a paint redraws only what changed: the frame and background only when needed, and a
// partial step backwards not at all.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

namespace tandem {

class ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    QFont& Font() { return font_; }
    const QFont& Font() const { return font_; }
    void SetBackgroundColour(const QColor& colour);
    void SetPosition(int position);
    // Keeps the range non-empty: a maximum equal to the minimum moves the minimum below it.
    void SetMaximum(int maximum);
    int Maximum() const { return maximum_; }
    int Minimum() const { return minimum_; }
    int Position() const { return position_; }
    int Percent() const { return percent_; }
    QColor BarColour() const { return barColour_; }
    QColor BackgroundColour() const { return background_; }
    // What the bar shows on screen.
    const QImage& Canvas() const { return canvas_; }
    // The margin between the bar's edge and the fill area.
    static constexpr int kInset = 4;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Draws what changed since the last paint onto the canvas and shows it.
    void Paint();
    void FitCanvas();
    void PaintFrame(QPainter& painter, const QRect& bounds);
    void PaintText(QPainter& painter, const QRect& fill, int fillEdge);

    QImage canvas_;
    QFont font_;
    int position_ = 50;
    int lastPosition_ = 0;
    int percent_ = 0;
    int lastPercent_ = 0;
    QString lastText_;
    QColor background_;
    QColor barColour_;
    bool frameNeeded_ = true;
    int minimum_ = 0;
    int maximum_ = 100;
};

} // namespace tandem
