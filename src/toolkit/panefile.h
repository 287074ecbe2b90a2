// SPDX-License-Identifier: GPL-3.0-or-later
// How a pane holds a file: the file's bytes with every line end turned into LF, plus what is
// needed to write the same file back: each line's own line end, the final line end, UTF-8 or
// not, and the UTF-8 byte-order mark.
#pragma once

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

bool IsValidUtf8(std::string_view bytes);

// Cuts a file at CR LF, lone CR and lone LF; no other byte changes.
PaneText DecodeFile(std::string_view bytes);

// The file bytes for a pane text: each line followed by its row's line end (the file's most
// common one for rows beyond the list or without one), the last line by one only when the file
// had one. asUtf8 writes a Latin-1 file as UTF-8; rows already holding UTF-8 keep their bytes.
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
