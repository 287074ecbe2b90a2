#include "stringlist.h"

#include <cassert>

namespace tandem {

namespace {
const std::string kEmptyText;
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
} // namespace

const std::string& StringList::Item(int index) const {
    if (index < 0 || index >= Count())
        return kEmptyText;
    return items_[static_cast<size_t>(index)];
}

int StringList::Add(std::string_view text) {
    items_.emplace_back(text);
    return Count() - 1;
}

void StringList::Insert(int index, std::string_view text) {
    assert(index >= 0 && index <= Count());
    items_.emplace(items_.begin() + index, text);
}

void StringList::Delete(int index) {
    assert(index >= 0 && index < Count());
    items_.erase(items_.begin() + index);
}

void StringList::Replace(int index, std::string_view text) {
    assert(index >= 0 && index < Count());
    items_[static_cast<size_t>(index)] = std::string(text);
}

void StringList::SetText(std::string_view text, bool append) {
    if (!append)
        Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(kCarriageReturn, start);
        if (end == std::string_view::npos) {
            items_.emplace_back(text.substr(start));
            return;
        }
        items_.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (start < text.size() && text[start] == kLineFeed)
            ++start;
    }
}

std::string StringList::WholeText() const {
    size_t size = 0;
    for (const std::string& item : items_)
        size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items_) {
        text += item;
        text += "\r\n";
    }
    return text;
}

} // namespace tandem
