// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status line, part by part, and the texts of the parts more than one
// command writes.
#pragma once

#include <QString>

namespace tandem {

enum StatusPart {
    kDepthPart,    // "Depth: N%"
    kLookupPart,   // "Lookup: N lines"
    kDiffsPart,    // "Diffs: N"
    kLinesPart,    // "Lines: N"
    kPositionPart, // "Pos: N"
    kStatusPartCount
};

inline QString DepthText(int depth) {
    return QStringLiteral("Depth: %1%").arg(depth);
}

inline QString LookupText(int lookup) {
    return QStringLiteral("Lookup: %1 lines").arg(lookup);
}

} // namespace tandem
