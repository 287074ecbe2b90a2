// SPDX-License-Identifier: GPL-3.0-or-later
// The key under which a pair of compared files keeps its record. Stored records depend on this
// exact rule, quirk included: keep it as it is.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace tandem {

// CRC-16 with polynomial 0x1021, initial value 0, no reflection and no final XOR.
std::uint16_t Crc16Xmodem(std::string_view bytes);

// Four upper-case hexadecimal digits: the checksum of the first (n mod 256) bytes of the two
// paths joined without separator, n being the joined length; a joined length of exactly 256
// therefore gives "0000". Paths count in bytes of their UTF-8 text.
std::string PairKey(std::string_view left, std::string_view right);
// The same for two file names as the window holds them (string literals: use the other).
std::string PairKey(const QString& left, const QString& right);

} // namespace tandem
