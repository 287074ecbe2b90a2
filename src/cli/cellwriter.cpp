#include "cellwriter.h"

#include "glyph.h"

namespace tandem {

namespace {

// Marked text is drawn white on the mark's colour, as the panes draw it.
constexpr std::string_view kMarkedText = "\x1b[38;2;255;255;255;48;2;";
constexpr std::string_view kPlainText = "\x1b[0m";

void AppendColour(int32_t colour, std::string& out) {
    const uint32_t rgb = static_cast<uint32_t>(colour);
    out += kMarkedText;
    out += std::to_string(rgb & 0xFF);
    out += ';';
    out += std::to_string((rgb >> 8) & 0xFF);
    out += ';';
    out += std::to_string((rgb >> 16) & 0xFF);
    out += 'm';
}

} // namespace

int CellWriter::Write(std::string_view text, int width, const RowPaint& paint, bool pad,
                      std::string& out) {
    int column = 0;
    size_t offset = 0;
    while (offset < text.size()) {
        Glyph glyph = NextGlyph(text, offset, column);
        if (column + glyph.width > width) {
            if (!glyph.IsTab())
                break;
            glyph.width = width - column; // a tab at the edge fills what is left
        }
        if (glyph.width == 0 && glyph.IsTab())
            break;
        SwitchColour(ColourAt(paint, static_cast<int64_t>(offset)), out);
        glyph.AppendTo(out);
        column += glyph.width;
        offset += glyph.bytes;
    }
    const int used = column;
    if (pad && column < width) {
        SwitchColour(paint.band, out);
        out.append(static_cast<size_t>(width - column), ' ');
    }
    SwitchColour(RowPaint::kNone, out);
    return used;
}

int32_t CellWriter::ColourAt(const RowPaint& paint, int64_t offset) const {
    for (const SpanPaint& span : paint.spans) {
        if (offset >= span.start && offset - span.start < span.length)
            return span.colour;
    }
    return paint.band;
}

void CellWriter::SwitchColour(int32_t colour, std::string& out) {
    if (!colour_ || colour == current_)
        return;
    out += kPlainText;
    if (colour != RowPaint::kNone)
        AppendColour(colour, out);
    current_ = colour;
}

} // namespace tandem
