#include "normalise.h"

namespace tandem {

namespace {

constexpr char kBlank = ' ';

bool IsUpperAscii(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

namespace {

std::string_view Trimmed(std::string_view text) {
    if (text.size() <= 1)
        return text;
    size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(kBlank);
    return text.substr(first, last - first + 1);
}

} // namespace

size_t NormaliseLineInto(std::string_view text, char* out) {
    text = Trimmed(text);
    size_t length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == kBlank && i + 1 < text.size() && text[i + 1] == kBlank && text.size() > 3)
            continue; // keeps the last blank of a run
        out[length++] = IsUpperAscii(c) ? static_cast<char>(c + ('a' - 'A')) : c;
    }
    return length;
}

std::string NormaliseLine(std::string_view text, bool fold) {
    if (!fold)
        return std::string(Trimmed(text));
    std::string key(text.size(), '\0');
    key.resize(NormaliseLineInto(text, key.data()));
    return key;
}

bool IsOwnKey(std::string_view text) {
    if (text.size() > 1 && (text.front() == kBlank || text.back() == kBlank))
        return false;
    char previous = 0;
    for (char c : text) {
        if (IsUpperAscii(c) || (c == kBlank && previous == kBlank))
            return false;
        previous = c;
    }
    return true;
}

} // namespace tandem
