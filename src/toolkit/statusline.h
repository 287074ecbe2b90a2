// SPDX-License-Identifier: GPL-3.0-or-later
// The status line at the bottom of a window: either one simple part or parts of equal width
// fixed when the part count grows, the last part reaching the right edge.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace tandem {

// The right edges of parts 0..index when setting part index divides the line: index + 1 equal
// parts of width / (index + 1); the last edge is -1, meaning the right edge of the line.
std::vector<int> StatusPartEdges(int index, int width);

class StatusLine : public QWidget {
    Q_OBJECT
public:
    // Setting this part switches to one simple part spanning the line.
    static constexpr int kSimplePart = 255;

    // The window's status line; the first call creates it at the bottom of the window's dock
    // layout and makes the window taller by its height.
    static StatusLine* Of(QWidget* window);

    // Part i of a line with i parts or fewer first divides the line at the window's width.
    void SetPart(int index, const QString& text);
    bool IsSimple() const { return simple_; }
    int PartCount() const { return simple_ ? 1 : int(edges_.size()); }
    QString PartText(int index) const;
    QRect PartRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit StatusLine(QWidget* window);

    std::vector<int> edges_;
    std::vector<QString> texts_;
    QString simpleText_;
    bool simple_ = false;
};

} // namespace tandem
