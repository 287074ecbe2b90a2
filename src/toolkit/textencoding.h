// SPDX-License-Identifier: GPL-3.0-or-later
// How a file's bytes are taken as text, the same in the window and in tandemdiff: a file that
// starts with a UTF-16 or UTF-32 byte-order mark and decodes cleanly is its text in UTF-8; any
// other file with a zero byte in its first 8 KiB is binary, as git and GNU diff judge it; every
// other file is its own bytes (UTF-8, or Latin-1 when it is not valid UTF-8).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tandem {

// A file holding a zero byte this near its start is binary.
constexpr size_t kBinaryProbeBytes = 8192;

// The encodings held in UTF-8 while the program works on them; None: the file's own bytes.
enum class WideEncoding { None, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

bool IsValidUtf8(std::string_view bytes);

// The name the user is told, such as "UTF-16 LE".
std::string_view EncodingName(WideEncoding encoding);

// The text of a file that starts with the encoding's mark, in UTF-8 without the mark. False,
// with what is wrong and where for the user, for a length that is no whole number of units, a
// lone surrogate or a value beyond U+10FFFF.
bool DecodeWide(std::string_view file, WideEncoding encoding, std::string& text,
                std::string& problem);
// The file for UTF-8 text: the mark, then the text in the encoding. A byte that is no part of
// valid UTF-8 is taken as the Latin-1 character of that number, so no byte is ever dropped.
std::string EncodeWide(std::string_view text, WideEncoding encoding);

struct FileText {
    WideEncoding encoding = WideEncoding::None;
    std::string wideText; // a wide file's text in UTF-8, without the mark
    bool binary = false;
    std::string binaryReason; // why the file is binary, for the user
    // The text to compare: the decoded text of a wide file, else the bytes themselves.
    std::string_view TextOf(std::string_view bytes) const {
        return encoding == WideEncoding::None ? bytes : std::string_view(wideText);
    }
};

// How the file's bytes are taken as text. A file whose mark is followed by no valid text in its
// encoding is judged like a file without a mark, and named as such when that makes it binary.
FileText ReadFileText(std::string_view bytes);

} // namespace tandem
