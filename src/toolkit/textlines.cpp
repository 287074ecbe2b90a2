#include "textlines.h"

#include <cstring>

namespace tandem {

namespace {

// Finds the next CR or LF from start, or the end of the bytes. Two memchr passes beat a byte loop.
size_t FindLineEnd(std::string_view bytes, size_t start) {
    const char* from = bytes.data() + start;
    size_t length = bytes.size() - start;
    const void* lineFeed = std::memchr(from, '\n', length);
    size_t limit =
        lineFeed ? static_cast<size_t>(static_cast<const char*>(lineFeed) - from) : length;
    const void* carriageReturn = std::memchr(from, '\r', limit);
    if (carriageReturn)
        limit = static_cast<size_t>(static_cast<const char*>(carriageReturn) - from);
    return start + limit;
}

// An upper bound of the line count, so that the views are stored without regrowing.
size_t CountLineEnds(std::string_view bytes) {
    size_t count = 0;
    for (char end : {'\n', '\r'}) {
        const char* from = bytes.data();
        const char* stop = from + bytes.size();
        while (const void* found = std::memchr(from, end, static_cast<size_t>(stop - from))) {
            ++count;
            from = static_cast<const char*>(found) + 1;
        }
    }
    return count;
}

} // namespace

TextLines SplitLines(std::string_view bytes) {
    TextLines text;
    text.lines.reserve(CountLineEnds(bytes) + 1);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = FindLineEnd(bytes, start);
        text.lines.push_back(bytes.substr(start, end - start));
        if (end == bytes.size())
            return text;
        LineEnd style = LineEnd::Lf;
        start = end + 1;
        if (bytes[end] == '\r') {
            style = LineEnd::Cr;
            if (start < bytes.size() && bytes[start] == '\n') {
                style = LineEnd::CrLf;
                ++start;
            }
        }
        if (text.firstLineEnd == LineEnd::None)
            text.firstLineEnd = style;
    }
    text.endsWithLineEnd = !bytes.empty();
    return text;
}

} // namespace tandem
