// The engine's arithmetic is that of 32-bit signed integers with wrap-around and division
// truncating toward zero; its results depend on it. These helpers compute it without undefined
// behaviour.
#pragma once

#include <cstdint>
#include <limits>

namespace tandem {

inline int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}
inline int32_t Add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t Sub32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t Mul32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// Callers never divide by zero; the one overflowing quotient wraps as the hardware would not.
inline int32_t Div32(int32_t a, int32_t b) {
    if (b == -1)
        return Sub32(0, a);
    return a / b;
}
// A cost is a 32-bit pattern that its comparisons read as unsigned.
inline int64_t Unsigned32(int32_t value) {
    return static_cast<int64_t>(static_cast<uint32_t>(value));
}

inline int64_t Mul64(int64_t a, int64_t b) {
    return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b));
}
inline int64_t Div64(int64_t a, int64_t b) {
    if (b == -1)
        return static_cast<int64_t>(0 - static_cast<uint64_t>(a));
    return a / b;
}

} // namespace tandem
