#include "fields.h"

namespace tandem {

int FieldCount(std::string_view text, char separator) {
    int count = 0;
    bool inField = false;
    for (char c : text) {
        if (c == separator) {
            inField = false;
        } else if (!inField) {
            inField = true;
            ++count;
        }
    }
    return count;
}

std::string_view Field(std::string_view text, char separator, int n) {
    // Walks 1-based positions as the record format was defined: the last character is never
    // examined as a separator, which is what makes an over-long request yield the last character.
    size_t position = 1;
    int passed = 0;
    while (position < text.size() && passed < n - 1) {
        if (text[position - 1] == separator)
            ++passed;
        ++position;
    }
    if (text.empty())
        return {};
    std::string_view rest = text.substr(position - 1);
    return rest.substr(0, rest.find(separator));
}

std::string DeleteField(std::string_view text, char separator, int n) {
    if (n < 1 || FieldCount(text, separator) < n)
        return std::string(text);
    int seen = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != separator && (i == 0 || text[i - 1] == separator) && ++seen == n) {
            start = i;
            break;
        }
    }
    size_t end = text.find(separator, start);
    std::string result(text.substr(0, start));
    if (end != std::string_view::npos)
        result += text.substr(end + 1);
    return result;
}

int32_t TextToNumber(std::string_view text) {
    size_t position = 0;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    uint32_t value = 0;
    for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position)
        value = value * 10u + static_cast<uint32_t>(text[position] - '0');
    if (negative)
        value = 0u - value;
    return static_cast<int32_t>(value);
}

std::string NumberToText(int64_t number) {
    return std::to_string(number);
}

} // namespace tandem
