// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/panefile.h"

namespace tandem {

namespace {

// A file without any line end gets the line end of the system it is written on.
constexpr LineEnd kPlatformLineEnd = LineEnd::Lf;

std::string_view LineEndBytes(LineEnd lineEnd) {
    switch (lineEnd == LineEnd::None ? kPlatformLineEnd : lineEnd) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Cr:
        return "\r";
    default:
        return "\n";
    }
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = at + bytes.size();
    while (at < end) {
        const unsigned lead = *at;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // Length of the sequence and the range its second byte must lie in, which rules out
        // overlong forms, surrogates and code points beyond U+10FFFF.
        int length = 0;
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - at < length || at[1] < low || at[1] > high)
            return false;
        for (int next = 2; next < length; ++next) {
            if ((at[next] & 0xC0) != 0x80)
                return false;
        }
        at += length;
    }
    return true;
}

PaneText DecodeFile(std::string_view bytes) {
    TextLines split = SplitLines(bytes);
    PaneText result;
    result.format.utf8 = IsValidUtf8(bytes);
    result.format.lineEnd = split.firstLineEnd;
    result.format.endsWithLineEnd = split.endsWithLineEnd;
    result.text.reserve(bytes.size());
    for (size_t i = 0; i < split.lines.size(); ++i) {
        if (i > 0)
            result.text += '\n';
        result.text += split.lines[i];
    }
    return result;
}

std::string EncodeFile(std::string_view paneText, const FileFormat& format) {
    const std::string_view lineEnd = LineEndBytes(format.lineEnd);
    std::string bytes;
    bytes.reserve(paneText.size() + paneText.size() / 16);
    size_t start = 0;
    for (size_t end = paneText.find('\n'); end != std::string_view::npos;
         end = paneText.find('\n', start)) {
        bytes += paneText.substr(start, end - start);
        bytes += lineEnd;
        start = end + 1;
    }
    bytes += paneText.substr(start);
    if (format.endsWithLineEnd)
        bytes += lineEnd;
    return bytes;
}

} // namespace tandem
