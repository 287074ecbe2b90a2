#include "normalise.h"

namespace tandem {

namespace {

constexpr char kBlank = ' ';

bool IsUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    if (text.size() <= 1)
        return text;
    size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(kBlank);
    return text.substr(first, last - first + 1);
}

size_t NormaliseLineInto(std::string_view text, char* out) {
    text = TrimBlanks(text);
    const bool foldBlankRuns = text.size() > 3;
    size_t length = 0;
    bool afterBlank = false;
    for (char c : text) {
        if (c == kBlank) {
            if (afterBlank && foldBlankRuns)
                continue;
            afterBlank = true;
        } else {
            afterBlank = false;
            if (IsUpperAscii(c))
                c = static_cast<char>(c + ('a' - 'A'));
        }
        out[length++] = c;
    }
    return length;
}

std::string NormaliseLine(std::string_view text, bool fold) {
    if (!fold)
        return std::string(TrimBlanks(text));
    std::string key(text.size(), '\0');
    key.resize(NormaliseLineInto(text, key.data()));
    return key;
}

} // namespace tandem
