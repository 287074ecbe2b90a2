#include "textlines.h"

#include <cstdint>
#include <cstring>

namespace tandem {

namespace {

// Finds line ends from left to right. The next CR and the next LF are each found once by memchr
// and remembered until the scan passes them, so every byte is searched at most once per kind of
// line end, whatever the line-end style of the file.
class LineEndFinder {
public:
    explicit LineEndFinder(std::string_view bytes) : bytes_(bytes) {}

    // The position of the first CR or LF at or after start, or the size of the bytes.
    size_t Next(size_t start) {
        Refresh(nextLineFeed_, '\n', start);
        Refresh(nextCarriageReturn_, '\r', start);
        return nextLineFeed_ < nextCarriageReturn_ ? nextLineFeed_ : nextCarriageReturn_;
    }

private:
    void Refresh(size_t& next, char end, size_t start) const {
        if (next != kNotSearched && next >= start)
            return; // still ahead, or known to be absent (the size)
        const void* found = std::memchr(bytes_.data() + start, end, bytes_.size() - start);
        next = found ? static_cast<size_t>(static_cast<const char*>(found) - bytes_.data())
                     : bytes_.size();
    }

    static constexpr size_t kNotSearched = SIZE_MAX;

    std::string_view bytes_;
    size_t nextLineFeed_ = kNotSearched;
    size_t nextCarriageReturn_ = kNotSearched;
};

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
    LineEndFinder finder(bytes);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = finder.Next(start);
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
