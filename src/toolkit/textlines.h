// Cutting a file's bytes into lines the way the panes and tandemdiff read files: CR LF, a lone CR
// and a lone LF each end a line, a final line end starts no extra line, and no byte is changed.
#pragma once

#include <string_view>
#include <vector>

namespace tandem {

// One byte: a pane keeps one for each of its lines.
enum class LineEnd : unsigned char { None, CrLf, Lf, Cr };

struct TextLines {
    std::vector<std::string_view> lines;  // views into the bytes that were split
    LineEnd firstLineEnd = LineEnd::None; // the style of the first line end, None without any
    bool endsWithLineEnd = false;         // false when the last line has no line end
};

TextLines SplitLines(std::string_view bytes);

} // namespace tandem
