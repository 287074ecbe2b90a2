// One side's lines during a comparison run, each with its comparison key made on first use.
// Filler lines are inserted near the run's cursor, which only moves forward, so the lines are kept
// in a gap buffer whose gap follows the insertions: an insertion costs the distance from the last
// one.
#pragma once

#include "similarity.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tandem {

class LineList {
public:
    explicit LineList(const std::vector<std::string_view>& lines);
    LineList(const LineList&) = delete;
    LineList& operator=(const LineList&) = delete;

    int Count() const { return count_; }
    // The byte profile of line i's key (made on first use); i must be a line of the list.
    const ByteProfile& Profile(int i) {
        Line& line = At(i);
        if (line.profile == 0) {
            profiles_.push_back(ProfileOf(Key(i)));
            line.profile = static_cast<uint32_t>(profiles_.size());
        }
        return profiles_[line.profile - 1];
    }
    // Line i as stored, or the empty text outside 0 .. Count - 1.
    std::string_view Text(int i) const;
    // The key of line i, or the empty text outside 0 .. Count - 1.
    std::string_view Key(int i) {
        if (static_cast<unsigned>(i) >= static_cast<unsigned>(count_))
            return {};
        Line& line = At(i);
        if (!line.key)
            MakeKey(line);
        return {line.key, line.keyLength};
    }
    void Put(int i, std::string_view text);
    void Insert(int i, std::string_view text);
    void Append(std::string_view text) { Insert(count_, text); }
    // The lines in order; the views stay valid as long as the texts they came from.
    std::vector<std::string_view> Lines() const;

private:
    struct Line {
        const char* text;
        const char* key; // null until the key is made
        uint32_t textLength;
        uint32_t keyLength;
        uint32_t profile = 0; // 1 + its index in profiles_, 0 until the profile is made
    };

    Line& At(int i) { return storage_[static_cast<size_t>(i < gapStart_ ? i : i + GapLength())]; }
    const Line& At(int i) const {
        return storage_[static_cast<size_t>(i < gapStart_ ? i : i + GapLength())];
    }
    int GapLength() const { return static_cast<int>(capacity_) - count_; }
    void MoveGap(int to);
    void GrowGap();
    void MakeKey(Line& line);
    // Room for a key of up to `length` bytes in the key blocks.
    char* KeyRoom(size_t length);

    std::unique_ptr<Line[]> storage_; // lines, a gap, more lines
    size_t capacity_ = 0;
    int count_ = 0;
    int gapStart_ = 0;
    // Keys that differ from their lines; blocks never move, so keys can be views into them.
    std::vector<std::unique_ptr<char[]>> keyBlocks_;
    size_t keyBlockUsed_ = 0;
    size_t keyBlockSize_ = 0;
    size_t firstKeyBlockSize_ = 0;
    std::vector<ByteProfile> profiles_;
};

} // namespace tandem
