// SPDX-License-Identifier: GPL-3.0-or-later
// The character format of a range of pane text; an apply changes only the fields in its mask.
#pragma once

#include <QColor>
#include <QString>

namespace tandem {

struct CharFormat {
    enum Field : unsigned {
        Size = 1,
        Face = 2,
        TextColour = 4, // the text colour and the automatic text colour together
        Background = 8, // the background colour and the automatic background together
        All = 15,
    };
    unsigned mask = 0;
    int points = 8;
    QString face;
    QColor text;
    QColor background;
    bool autoText = true;       // drawn in the pane's standard text colour
    bool autoBackground = true; // drawn on the pane's background colour

    // This format with the masked fields of change taken over.
    CharFormat Merged(const CharFormat& change) const;
    // Equal as a look on screen: the mask and the colours an automatic field ignores don't count.
    bool SameLook(const CharFormat& other) const;
};

} // namespace tandem
