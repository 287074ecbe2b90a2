// SPDX-License-Identifier: GPL-3.0-or-later
// The program's colour codes: a non-negative code is RGB laid out 0x00BBGGRR, a negative one names
// a system colour by its low byte, looked up when the code is turned into a colour.
#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace tandem {

// The system colour numbers the program names.
enum SystemColourNumber : int {
    kWindowColour = 5,
    kWindowTextColour = 8,
    kButtonFaceColour = 15,
    kTooltipBackgroundColour = 24,
};

QColor SystemColour(int number);
QColor ColourFromCode(std::int32_t code);
std::int32_t CodeFromColour(const QColor& colour);
// The code of system colour number (its low byte), as stored for "the system's colour".
std::int32_t SystemColourCode(int number);

// Gives a widget a background of its own in that colour.
void SetBackgroundColour(QWidget* widget, const QColor& colour);

} // namespace tandem
