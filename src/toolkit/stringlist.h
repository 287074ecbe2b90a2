// The ordered list of texts used throughout the program, with the rules that decide what a line is:
// SetText cuts a text at CR (a CR LF pair counts as one line end) and WholeText writes every item
// followed by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tandem {

class StringList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The item's text, or the empty text for an index outside 0 .. Count - 1.
    const std::string& Item(int index) const;
    int Add(std::string_view text);
    void Insert(int index, std::string_view text);
    void Delete(int index);
    void Replace(int index, std::string_view text);
    void Clear() { items_.clear(); }
    // Adds the CR-separated lines of the text, after clearing the list unless appending.
    void SetText(std::string_view text, bool append = false);
    std::string WholeText() const;

    const std::vector<std::string>& Items() const { return items_; }
    std::vector<std::string>& Items() { return items_; }
    bool operator==(const StringList&) const = default;

private:
    std::vector<std::string> items_;
};

} // namespace tandem
