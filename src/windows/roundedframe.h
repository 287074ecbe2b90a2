// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every top-level window of the program wears instead of the system's: rounded corners,
// a band shaded from dark to the window colour, and for captioned windows a caption band with
// icon, caption text and close, maximise/restore and minimise buttons. The band and the caption
// move and resize the window. The frame watches its window's events through an event filter.
#pragma once

#include "toolkit/imagelist.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>

class QMenu;
class QPainter;

namespace tandem {

class RoundedFrame : public QObject {
    Q_OBJECT
public:
    // Radius at attach: corner radius and width of the band.
    static constexpr int kAttachRadius = 20;
    // Height of the caption band: the usual height of a system caption.
    static constexpr int kCaptionHeight = 22;

    // Attach through AttachRoundedFrame; the frame is a child of its window and goes with it.
    explicit RoundedFrame(QWidget* window);

    void SetRadius(int radius);
    int Radius() const { return radius_; }
    bool HasCaption() const { return hasCaption_; }
    QString CaptionText() const { return caption_; }
    QColor FrameColour() const { return colour_; }
    int HotButton() const { return hot_; }
    bool MaximisedToggle() const { return maximisedToggle_; }
    QRect ButtonRect(int button) const;
    QMenu* OwnMenu() const { return ownMenu_; }
    // The caption button image as drawn, tinted to the frame colour.
    QImage ButtonImage(int button, bool highlighted) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Minimised() const;
    bool Flat() const;
    void UpdateRegion(bool forced);
    void Paint(QPainter& painter) const;
    void PaintFlat(QPainter& painter) const;
    void PaintRings(QPainter& painter) const;
    void PaintCaption(QPainter& painter) const;
    void PaintButton(QPainter& painter, int button) const;
    void SetHot(int hot);
    void MouseMoved(QPoint at);
    bool Pressed(QPoint at);
    void ButtonClicked(int button);
    void BuildOwnMenu();

    QPointer<QWidget> window_;
    int radius_ = kAttachRadius;
    QColor colour_;
    bool hasCaption_ = true;
    QString caption_;
    int hot_ = 0;
    bool maximisedToggle_ = false;
    QSize lastSize_;
    ImageList buttons_;
    QMenu* ownMenu_ = nullptr;
};

// Gives the window the frame; call before the window is first shown. The window keeps its outer
// size, so a stored placement comes back unchanged; the client area lies inside the frame.
RoundedFrame* AttachRoundedFrame(QWidget* window);
// The new radius keeps the client area's size: the window grows by 2 x (new - old) each way.
void SetFrameRadius(RoundedFrame* frame, int radius);

} // namespace tandem
