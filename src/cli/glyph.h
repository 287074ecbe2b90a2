// One character of a file line as the terminal is to show it, made safe to write.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tandem {

struct Glyph {
    std::string_view shown; // what to write; for a tab, nothing (width blanks are written)
    int width = 0;          // display columns
    size_t bytes = 0;       // bytes of the line it stands for
    bool tab = false;

    bool IsTab() const { return tab; }
    void AppendTo(std::string& out) const;
};

// The glyph for the character at offset, which must be inside the text; column is where it lands
// (for tab stops). Control characters show in caret notation, bytes that are not valid UTF-8 and
// code points that could reorder or control the terminal show as '?'.
Glyph NextGlyph(std::string_view text, size_t offset, int column);

// The whole text as the view shows it, uncut: for file names and values in messages.
std::string ShownText(std::string_view text);

} // namespace tandem
