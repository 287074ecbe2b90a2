// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/textencoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tandem {

namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

struct WideForm {
    WideEncoding encoding;
    std::string_view mark;
    std::string_view name;
    size_t unitBytes;
    bool bigEndian;
};

// UTF-32 LE comes before UTF-16 LE: its mark begins with the UTF-16 LE mark.
constexpr std::array<WideForm, 4> kWideForms = {{
    {WideEncoding::Utf32Le, std::string_view("\xFF\xFE\0\0", 4), "UTF-32 LE", 4, false},
    {WideEncoding::Utf32Be, std::string_view("\0\0\xFE\xFF", 4), "UTF-32 BE", 4, true},
    {WideEncoding::Utf16Le, "\xFF\xFE", "UTF-16 LE", 2, false},
    {WideEncoding::Utf16Be, "\xFE\xFF", "UTF-16 BE", 2, true},
}};

const WideForm* FormOf(WideEncoding encoding) {
    for (const WideForm& form : kWideForms) {
        if (form.encoding == encoding)
            return &form;
    }
    return nullptr;
}

// The length of the valid UTF-8 sequence at the start of at..end, 0 when there is none. The
// range the second byte must lie in rules out overlong forms, surrogates and values beyond
// U+10FFFF.
int Utf8SequenceLength(const unsigned char* at, const unsigned char* end) {
    const unsigned lead = *at;
    if (lead < 0x80)
        return 1;
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
        return 0;
    }
    if (end - at < length || at[1] < low || at[1] > high)
        return 0;
    for (int next = 2; next < length; ++next) {
        if ((at[next] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

char32_t CodePointOf(const unsigned char* at, int length) {
    static constexpr unsigned kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = at[0] & kLeadBits[length];
    for (int next = 1; next < length; ++next)
        code = (code << 6) | (at[next] & 0x3F);
    return code;
}

void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < kFirstSupplementary) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

uint32_t UnitAt(const WideForm& form, const unsigned char* at) {
    uint32_t unit = 0;
    for (size_t byte = 0; byte < form.unitBytes; ++byte) {
        const size_t shift = 8 * (form.bigEndian ? form.unitBytes - 1 - byte : byte);
        unit |= uint32_t(at[byte]) << shift;
    }
    return unit;
}

void AppendUnit(std::string& file, const WideForm& form, uint32_t unit) {
    for (size_t byte = 0; byte < form.unitBytes; ++byte) {
        const size_t shift = 8 * (form.bigEndian ? form.unitBytes - 1 - byte : byte);
        file += char((unit >> shift) & 0xFF);
    }
}

std::string AtOffset(const char* what, size_t offset) {
    return std::string(what) + " at byte " + std::to_string(offset) + " of the file";
}

// One UTF-16 character from at, which holds a whole unit; false for a lone surrogate.
bool NextUtf16(const WideForm& form, const unsigned char*& at, const unsigned char* end,
               char32_t& code) {
    const uint32_t first = UnitAt(form, at);
    at += 2;
    if (first < kFirstSurrogate || first > kLastSurrogate) {
        code = first;
        return true;
    }
    if (first >= kFirstLowSurrogate || end - at < 2)
        return false;
    const uint32_t second = UnitAt(form, at);
    if (second < kFirstLowSurrogate || second > kLastSurrogate)
        return false;
    at += 2;
    code = kFirstSupplementary + ((first - kFirstSurrogate) << 10) + (second - kFirstLowSurrogate);
    return true;
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = at + bytes.size();
    while (at < end) {
        const int length = Utf8SequenceLength(at, end);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string_view EncodingName(WideEncoding encoding) {
    const WideForm* form = FormOf(encoding);
    return form ? form->name : std::string_view("its own bytes");
}

bool DecodeWide(std::string_view file, WideEncoding encoding, std::string& text,
                std::string& problem) {
    text.clear();
    const WideForm* form = FormOf(encoding);
    if (!form || !file.starts_with(form->mark)) {
        problem =
            "it does not start with the byte-order mark of " + std::string(EncodingName(encoding));
        return false;
    }
    const auto* begin = reinterpret_cast<const unsigned char*>(file.data());
    const auto* at = begin + form->mark.size();
    const auto* end = begin + file.size();
    if (size_t(end - at) % form->unitBytes != 0) {
        problem = "its length is not a whole number of " + std::to_string(form->unitBytes) +
                  "-byte units";
        return false;
    }
    text.reserve(size_t(end - at) / form->unitBytes);
    while (at < end) {
        const auto offset = size_t(at - begin);
        char32_t code = 0;
        if (form->unitBytes == 2) {
            if (!NextUtf16(*form, at, end, code)) {
                problem = AtOffset("it has a lone surrogate", offset);
                return false;
            }
        } else {
            code = UnitAt(*form, at);
            at += 4;
            if (code > kLastCodePoint || (code >= kFirstSurrogate && code <= kLastSurrogate)) {
                problem = AtOffset(code > kLastCodePoint ? "it has a value beyond U+10FFFF"
                                                         : "it has a surrogate value",
                                   offset);
                return false;
            }
        }
        AppendUtf8(text, code);
    }
    return true;
}

std::string EncodeWide(std::string_view text, WideEncoding encoding) {
    const WideForm* form = FormOf(encoding);
    if (!form)
        return std::string(text);
    std::string file(form->mark);
    file.reserve(form->mark.size() + text.size() * form->unitBytes);
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = at + text.size();
    while (at < end) {
        const int length = Utf8SequenceLength(at, end);
        const char32_t code = length == 0 ? char32_t(*at) : CodePointOf(at, length);
        at += length == 0 ? 1 : length;
        if (form->unitBytes == 4 || code < kFirstSupplementary) {
            AppendUnit(file, *form, code);
            continue;
        }
        const char32_t offset = code - kFirstSupplementary;
        AppendUnit(file, *form, kFirstSurrogate + (offset >> 10));
        AppendUnit(file, *form, kFirstLowSurrogate + (offset & 0x3FF));
    }
    return file;
}

FileText ReadFileText(std::string_view bytes) {
    FileText result;
    std::string markProblem;
    WideEncoding marked = WideEncoding::None;
    for (const WideForm& form : kWideForms) {
        if (!bytes.starts_with(form.mark))
            continue;
        std::string problem;
        if (DecodeWide(bytes, form.encoding, result.wideText, problem)) {
            result.encoding = form.encoding;
            return result;
        }
        // A UTF-32 LE mark that does not decode may still be UTF-16 LE starting with U+0000.
        if (marked == WideEncoding::None) {
            marked = form.encoding;
            markProblem = std::move(problem);
        }
    }
    result.wideText.clear();
    const size_t probe = std::min(bytes.size(), kBinaryProbeBytes);
    result.binary = std::memchr(bytes.data(), '\0', probe) != nullptr;
    if (!result.binary)
        return result;
    if (marked != WideEncoding::None)
        result.binaryReason = "it starts with the byte-order mark of " +
                              std::string(EncodingName(marked)) + " but is not valid " +
                              std::string(EncodingName(marked)) + ": " + markProblem;
    else
        result.binaryReason = "it has a zero byte in its first 8 KiB";
    return result;
}

} // namespace tandem
