// SPDX-License-Identifier: GPL-3.0-or-later
// How a pane holds a file: the file's bytes with every line end turned into LF, plus what is
// needed to write the same kind of file back (line-end style, final line end, UTF-8 or not).
#pragma once

#include "toolkit/textlines.h"

#include <string>
#include <string_view>

namespace tandem {

struct FileFormat {
    bool utf8 = true;                // valid UTF-8: shown as UTF-8, else byte by byte as Latin-1
    LineEnd lineEnd = LineEnd::None; // written between lines; None means the platform's
    bool endsWithLineEnd = false;    // the last line is followed by a line end
    bool operator==(const FileFormat&) const = default;
};

struct PaneText {
    std::string text; // lines separated by LF, no LF after the last line
    FileFormat format;
};

bool IsValidUtf8(std::string_view bytes);

// Cuts a file at CR LF, lone CR and lone LF; no other byte changes.
PaneText DecodeFile(std::string_view bytes);

// The file bytes for a pane text: its lines joined with the file's line end (the first line end's
// style when the file mixed them), with a final line end only when the file had one.
std::string EncodeFile(std::string_view paneText, const FileFormat& format);

} // namespace tandem
