// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/charformat.h"

namespace tandem {

CharFormat CharFormat::Merged(const CharFormat& change) const {
    CharFormat result = *this;
    if (change.mask & Size)
        result.points = change.points;
    if (change.mask & Face)
        result.face = change.face;
    if (change.mask & TextColour) {
        result.autoText = change.autoText;
        result.text = change.text;
    }
    if (change.mask & Background) {
        result.autoBackground = change.autoBackground;
        result.background = change.background;
    }
    return result;
}

bool CharFormat::SameLook(const CharFormat& other) const {
    return points == other.points && face == other.face && autoText == other.autoText &&
           autoBackground == other.autoBackground && (autoText || text == other.text) &&
           (autoBackground || background == other.background);
}

} // namespace tandem
