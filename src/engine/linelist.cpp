#include "linelist.h"

#include "normalise.h"

#include <algorithm>
#include <cstring>

namespace tandem {

namespace {

// Bytes per block of stored keys after the first; a longer key gets a block of its own size.
constexpr size_t kKeyBlockSize = size_t{1} << 20;
// The first block is as large as the lines' text, up to this much.
constexpr size_t kLargestFirstKeyBlock = size_t{64} << 20;
// Room left for insertions when the gap is full, at least this many lines.
constexpr int kMinimumGap = 64;
// The first gap is this fraction of the lines: enough for the filler lines of most runs, so the
// lines are rarely moved to a larger block.
constexpr size_t kFirstGapDivisor = 16;

} // namespace

LineList::LineList(const std::vector<std::string_view>& lines)
    : count_(static_cast<int>(lines.size())), gapStart_(count_) {
    capacity_ = lines.size() + lines.size() / kFirstGapDivisor + kMinimumGap;
    storage_ = std::make_unique_for_overwrite<Line[]>(capacity_);
    size_t textBytes = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        storage_[i] = {lines[i].data(), nullptr, static_cast<uint32_t>(lines[i].size()), 0};
        textBytes += lines[i].size();
    }
    // A key is never longer than its line, so a first block as large as the lines' text holds
    // every key of the lines as read; only its pages that keys are written to take memory.
    firstKeyBlockSize_ = std::min(textBytes, kLargestFirstKeyBlock);
}

std::string_view LineList::Text(int i) const {
    if (i < 0 || i >= count_)
        return {};
    const Line& line = At(i);
    return {line.text, line.textLength};
}

void LineList::MakeKey(Line& line) {
    if (line.textLength == 0) {
        line.key = "";
        line.keyLength = 0;
        return;
    }
    std::string_view text(line.text, line.textLength);
    char* room = KeyRoom(text.size());
    line.keyLength = static_cast<uint32_t>(NormaliseLineInto(text, room));
    // Most keys are their line without its indentation: they are kept as views into the line.
    std::string_view trimmed = TrimBlanks(text);
    if (line.keyLength == 0) {
        line.key = "";
    } else if (line.keyLength == trimmed.size() &&
               std::memcmp(room, trimmed.data(), trimmed.size()) == 0) {
        line.key = trimmed.data();
    } else {
        keyBlockUsed_ += line.keyLength;
        line.key = room;
    }
}

char* LineList::KeyRoom(size_t length) {
    if (keyBlocks_.empty() || keyBlockUsed_ + length > keyBlockSize_) {
        keyBlockSize_ = std::max(keyBlocks_.empty() ? firstKeyBlockSize_ : kKeyBlockSize, length);
        keyBlocks_.push_back(std::make_unique_for_overwrite<char[]>(keyBlockSize_));
        keyBlockUsed_ = 0;
    }
    return keyBlocks_.back().get() + keyBlockUsed_;
}

void LineList::Put(int i, std::string_view text) {
    if (i < 0 || i >= count_)
        return;
    At(i) = {text.data(), nullptr, static_cast<uint32_t>(text.size()), 0};
}

void LineList::Insert(int i, std::string_view text) {
    i = std::clamp(i, 0, count_);
    if (GapLength() == 0)
        GrowGap();
    MoveGap(i);
    storage_[static_cast<size_t>(gapStart_)] = {text.data(), nullptr,
                                                static_cast<uint32_t>(text.size()), 0};
    ++gapStart_;
    ++count_;
}

void LineList::MoveGap(int to) {
    int gap = GapLength();
    Line* base = storage_.get();
    if (to < gapStart_)
        std::memmove(base + to + gap, base + to,
                     sizeof(Line) * static_cast<size_t>(gapStart_ - to));
    else if (to > gapStart_)
        std::memmove(base + gapStart_, base + gapStart_ + gap,
                     sizeof(Line) * static_cast<size_t>(to - gapStart_));
    gapStart_ = to;
}

void LineList::GrowGap() {
    size_t added = std::max<size_t>(kMinimumGap, capacity_ / 2);
    auto grown = std::make_unique_for_overwrite<Line[]>(capacity_ + added);
    size_t head = static_cast<size_t>(gapStart_);
    size_t tail = capacity_ - head; // the gap is empty
    std::memcpy(grown.get(), storage_.get(), sizeof(Line) * head);
    std::memcpy(grown.get() + head + added, storage_.get() + head, sizeof(Line) * tail);
    storage_ = std::move(grown);
    capacity_ += added;
}

std::vector<std::string_view> LineList::Lines() const {
    std::vector<std::string_view> lines;
    lines.reserve(static_cast<size_t>(count_));
    for (int i = 0; i < count_; ++i)
        lines.push_back(Text(i));
    return lines;
}

} // namespace tandem
