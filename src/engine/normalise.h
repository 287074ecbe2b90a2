// The comparison key of a line: blanks trimmed, blank runs folded to one blank and A..Z
// lower-cased, so that letter case and blank runs never make two lines differ. Only the blank (32)
// is white space.
#pragma once

#include <string>
#include <string_view>

namespace tandem {

// With fold off only the trimming applies. A text of 0 or 1 characters is never trimmed.
std::string NormaliseLine(std::string_view text, bool fold);

// The text without leading and trailing blanks; a text of 0 or 1 characters stays as it is.
std::string_view TrimBlanks(std::string_view text);

// Writes the folded key of the text to `out`, which has room for the text's length, and returns
// the key's length.
size_t NormaliseLineInto(std::string_view text, char* out);

} // namespace tandem
