// SPDX-License-Identifier: GPL-3.0-or-later
// A small control that shows one image of an image list (the difference markers).
#pragma once

#include <QWidget>

namespace tandem {

class ImageList;

class ImageShow : public QWidget {
    Q_OBJECT
public:
    // The list must outlive the control.
    ImageShow(const ImageList* images, int index, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageList* images_;
    int index_;
};

} // namespace tandem
