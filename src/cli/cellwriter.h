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
    // A character is coloured by a span that covers any of its bytes, so a span that starts or
    // ends inside a UTF-8 sequence colours the whole character.
    int Write(std::string_view text, int width, const RowPaint& paint, bool pad, std::string& out);
    // The same output, always decoding character by character: what Write does for text that is
    // not all printable ASCII.
    int WriteGlyphByGlyph(std::string_view text, int width, const RowPaint& paint, bool pad,
                          std::string& out);

private:
    int WritePrintableAscii(std::string_view text, int width, const RowPaint& paint, bool pad,
                            std::string& out);
    void Pad(int column, int width, const RowPaint& paint, bool pad, std::string& out);
    int32_t ColourAt(const RowPaint& paint, int64_t offset, int64_t bytes) const;
    void SwitchColour(int32_t colour, std::string& out);

    bool colour_;
    int32_t current_ = RowPaint::kNone;
};

} // namespace tandem
