// The two sides of a comparison: everything held once per file is held in a pair indexed by side.
#pragma once

#include <array>

namespace tandem {

enum Side { kLeft = 0, kRight = 1 };

inline constexpr std::array<Side, 2> kEachSide{kLeft, kRight};

constexpr Side Other(Side side) {
    return side == kLeft ? kRight : kLeft;
}

} // namespace tandem
