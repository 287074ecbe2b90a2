#include "cellwriter.h"

#include "glyph.h"

#include <algorithm>

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

// True when every byte that can be shown in the width is a printable ASCII character, each one
// byte and one column wide.
bool ShowsPrintableAscii(std::string_view text, int width) {
    const size_t shown = std::min(text.size(), static_cast<size_t>(width));
    for (size_t i = 0; i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte >= 0x7F)
            return false;
    }
    return true;
}

int CellWriter::Write(std::string_view text, int width, const RowPaint& paint, bool pad,
                      std::string& out) {
    if (width > 0 && ShowsPrintableAscii(text, width))
        return WritePrintableAscii(text, width, paint, pad, out);
    return WriteGlyphByGlyph(text, width, paint, pad, out);
}

int CellWriter::WritePrintableAscii(std::string_view text, int width, const RowPaint& paint,
                                    bool pad, std::string& out) {
    const size_t shown = std::min(text.size(), static_cast<size_t>(width));
    if (!colour_ || (paint.spans.empty() && shown > 0)) {
        if (shown > 0)
            SwitchColour(paint.band, out);
        out.append(text.data(), shown);
    } else {
        size_t runStart = 0;
        while (runStart < shown) {
            const int32_t colour = ColourAt(paint, static_cast<int64_t>(runStart), 1);
            size_t runEnd = runStart + 1;
            while (runEnd < shown && ColourAt(paint, static_cast<int64_t>(runEnd), 1) == colour)
                ++runEnd;
            SwitchColour(colour, out);
            out.append(text.data() + runStart, runEnd - runStart);
            runStart = runEnd;
        }
    }
    const int column = static_cast<int>(shown);
    Pad(column, width, paint, pad, out);
    return column;
}

int CellWriter::WriteGlyphByGlyph(std::string_view text, int width, const RowPaint& paint, bool pad,
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
        SwitchColour(
            ColourAt(paint, static_cast<int64_t>(offset), static_cast<int64_t>(glyph.bytes)), out);
        glyph.AppendTo(out);
        column += glyph.width;
        offset += glyph.bytes;
    }
    Pad(column, width, paint, pad, out);
    return column;
}

void CellWriter::Pad(int column, int width, const RowPaint& paint, bool pad, std::string& out) {
    if (pad && column < width) {
        SwitchColour(paint.band, out);
        out.append(static_cast<size_t>(width - column), ' ');
    }
    SwitchColour(RowPaint::kNone, out);
}

// The colour of the character made of the bytes offset .. offset + bytes - 1.
int32_t CellWriter::ColourAt(const RowPaint& paint, int64_t offset, int64_t bytes) const {
    for (const SpanPaint& span : paint.spans) {
        if (span.length > 0 && offset < span.start + span.length && span.start < offset + bytes)
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
