#include "glyph.h"

#include <array>
#include <cstdint>

namespace tandem {

namespace {

// Tab stops every this many columns, as terminals set them.
constexpr int kTabStop = 8;
constexpr std::string_view kUnsafe = "?";

// Caret notation for the C0 controls and DEL: ^@ .. ^_ and ^?.
constexpr std::array<std::string_view, 33> kCaret = {
    "^@", "^A", "^B", "^C", "^D", "^E", "^F",  "^G", "^H", "^I", "^J",
    "^K", "^L", "^M", "^N", "^O", "^P", "^Q",  "^R", "^S", "^T", "^U",
    "^V", "^W", "^X", "^Y", "^Z", "^[", "^\\", "^]", "^^", "^_", "^?"};

struct Decoded {
    char32_t codePoint = 0;
    size_t bytes = 0; // 0 when the bytes at the offset are not valid UTF-8
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
Decoded DecodeUtf8(std::string_view text, size_t offset) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[offset + i]); };
    const uint8_t lead = byte(0);
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t lowest = length == 4 ? 0x10000 : length == 3 ? 0x800 : 0x80;
    if (lead < 0xC2 || lead > 0xF4 || text.size() - offset < length)
        return {};
    char32_t codePoint = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < lowest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {};
    return {codePoint, length};
}

// C1 controls act on terminals; bidirectional controls make shown text differ from the file's.
bool IsUnsafe(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) ||
           (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

int DisplayWidth(char32_t c) {
    if ((c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200D))
        return 0; // combining marks and zero-width characters
    return IsWide(c) ? 2 : 1;
}

} // namespace

void Glyph::AppendTo(std::string& out) const {
    if (tab)
        out.append(static_cast<size_t>(width), ' ');
    else
        out += shown;
}

Glyph NextGlyph(std::string_view text, size_t offset, int column) {
    const auto byte = static_cast<uint8_t>(text[offset]);
    if (byte == '\t')
        return {{}, kTabStop - column % kTabStop, 1, true};
    if (byte < 0x20)
        return {kCaret[byte], 2, 1};
    if (byte == 0x7F)
        return {kCaret[32], 2, 1};
    if (byte < 0x80)
        return {text.substr(offset, 1), 1, 1};
    Decoded decoded = DecodeUtf8(text, offset);
    if (decoded.bytes == 0)
        return {kUnsafe, 1, 1};
    if (IsUnsafe(decoded.codePoint))
        return {kUnsafe, 1, decoded.bytes};
    return {text.substr(offset, decoded.bytes), DisplayWidth(decoded.codePoint), decoded.bytes};
}

std::string ShownText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    int column = 0;
    for (size_t offset = 0; offset < text.size();) {
        const Glyph glyph = NextGlyph(text, offset, column);
        glyph.AppendTo(shown);
        column += glyph.width;
        offset += glyph.bytes;
    }
    return shown;
}

} // namespace tandem
