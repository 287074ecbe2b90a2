// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/pairkey.h"

#include <cstdio>

namespace tandem {

namespace {

constexpr std::uint16_t kPolynomial = 0x1021;
// Only this many leading characters could ever be checked: the length is taken modulo it.
constexpr std::size_t kCheckedLengthModulus = 256;

} // namespace

std::uint16_t Crc16Xmodem(std::string_view bytes) {
    std::uint16_t crc = 0;
    for (const char byte : bytes) {
        crc ^= std::uint16_t(static_cast<unsigned char>(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc =
                (crc & 0x8000) ? std::uint16_t((crc << 1) ^ kPolynomial) : std::uint16_t(crc << 1);
    }
    return crc;
}

std::string PairKey(std::string_view left, std::string_view right) {
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    const std::uint16_t crc =
        Crc16Xmodem(std::string_view(joined).substr(0, joined.size() % kCheckedLengthModulus));
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04X", unsigned(crc));
    return digits;
}

std::string PairKey(const QString& left, const QString& right) {
    return PairKey(left.toStdString(), right.toStdString());
}

} // namespace tandem
