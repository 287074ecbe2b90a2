// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace tandem {

namespace {

// The top bit marks a system colour; its low byte is the number.
constexpr std::uint32_t kSystemColourFlag = 0x80000000u;
constexpr std::uint32_t kSystemNumberMask = 0xFFu;

QPalette::ColorRole RoleOf(int number) {
    switch (number) {
    case 4:  // menu
    case 15: // button face
        return QPalette::Button;
    case 5:
        return QPalette::Base;
    case 7: // menu text
    case 8:
        return QPalette::Text;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Mid;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark 3-D shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    case 26: // hot-tracked item
        return QPalette::Link;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor SystemColour(int number) {
    return QApplication::palette().color(RoleOf(number));
}

QColor ColourFromCode(std::int32_t code) {
    const auto bits = static_cast<std::uint32_t>(code);
    if (bits & kSystemColourFlag)
        return SystemColour(int(bits & kSystemNumberMask));
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

std::int32_t CodeFromColour(const QColor& colour) {
    return std::int32_t(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

std::int32_t SystemColourCode(int number) {
    return static_cast<std::int32_t>(kSystemColourFlag |
                                     (std::uint32_t(number) & kSystemNumberMask));
}

void SetBackgroundColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tandem
