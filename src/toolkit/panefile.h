// SPDX-License-Identifier: GPL-3.0-or-later
// How a pane holds a file: the file's bytes with every line end turned into LF (a UTF-16 or
// UTF-32 file's text in UTF-8), plus what is needed to write the same file back: each line's own
// line end, the final line end, the encoding and the byte-order mark. A binary file is not held.
#pragma once

#include "toolkit/textencoding.h"
#include "toolkit/textlines.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tandem {

struct FileFormat {
    bool utf8 = true; // valid UTF-8: shown as UTF-8, else byte by byte as Latin-1
    // The file's most common line end (the earliest of equally common ones), written after
    // lines that have none of their own; None means the platform's.
    LineEnd lineEnd = LineEnd::None;
    bool endsWithLineEnd = false; // the last line is followed by a line end
    bool byteOrderMark = false;   // UTF-8 with the mark, which the pane text does not hold
    // A UTF-16 or UTF-32 file, held as UTF-8 and written back in its encoding with its mark.
    WideEncoding encoding = WideEncoding::None;
    // Why the file is binary, empty for text. A binary file's pane is empty: the file is
    // compared by its bytes alone and never written from the pane.
    std::string binaryReason{};
    bool Binary() const { return !binaryReason.empty(); }
    bool operator==(const FileFormat&) const = default;
};

// What a row of a pane holds besides its text.
struct RowFormat {
    LineEnd lineEnd = LineEnd::None; // the line's own line end; None takes the file's
    // The row holds UTF-8 bytes in a pane shown as Latin-1 (a line copied from a UTF-8 file
    // with characters Latin-1 cannot hold).
    bool utf8 = false;
    bool operator==(const RowFormat&) const = default;
};

struct PaneText {
    std::string text; // lines separated by LF, no LF after the last line
    FileFormat format;
    std::vector<RowFormat> rows; // one per line of the file
};

// Cuts a file at CR LF, lone CR and lone LF; no other byte changes, except that a UTF-16 or
// UTF-32 file is decoded to UTF-8 first. A binary file gives no text and its reason.
PaneText DecodeFile(std::string_view bytes);

// The file bytes for a pane text: each line followed by its row's line end (the file's most
// common one for rows beyond the list or without one), the last line by one only when the file
// had one, all in the file's encoding. asUtf8 writes a Latin-1 file as UTF-8; rows already
// holding UTF-8 keep their bytes.
std::string EncodeFile(std::string_view paneText, const FileFormat& format,
                       const std::vector<RowFormat>& rows = {}, bool asUtf8 = false);

// The rows of a comparison's aligned text: rows that hold file lines take the file's rows in
// order, filler rows the file's most common line end.
template <typename IsFiller>
std::vector<RowFormat> AlignedRows(const std::vector<RowFormat>& fileRows, int rowCount,
                                   IsFiller isFiller) {
    std::vector<RowFormat> rows(size_t(std::max(rowCount, 0)));
    size_t next = 0;
    for (int row = 0; row < rowCount; ++row) {
        if (!isFiller(row) && next < fileRows.size())
            rows[size_t(row)] = fileRows[next++];
    }
    return rows;
}

} // namespace tandem
