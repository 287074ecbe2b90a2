// Writes one line of a file into a fixed-width terminal column: tabs expanded, control bytes and
// invalid UTF-8 made harmless, cut at the column's edge, coloured by the row's marks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tandem {

// A colour for bytes start .. start + length - 1 of a line.
struct SpanPaint {
    int64_t start = 0;
    int64_t length = 0;
    int32_t colour = 0;
};

// How a row is coloured: a band under the whole column, and spans drawn over it.
struct RowPaint {
    static constexpr int32_t kNone = -1;
    int32_t band = kNone;
    std::vector<SpanPaint> spans;
};

class CellWriter {
public:
    explicit CellWriter(bool colour) : colour_(colour) {}

    // Appends the text in at most width display columns; with pad, fills the column to its width
    // (in the band colour). Returns the columns used before padding.
    int Write(std::string_view text, int width, const RowPaint& paint, bool pad, std::string& out);

private:
    int32_t ColourAt(const RowPaint& paint, int64_t offset) const;
    void SwitchColour(int32_t colour, std::string& out);

    bool colour_;
    int32_t current_ = RowPaint::kNone;
};

} // namespace tandem
