#include "tidy.h"

#include "int32.h"
#include "records.h"

#include <string>
#include <vector>

namespace tandem {

namespace {

// The field after the row: the colour of a whole-row mark, the start of a span.
int32_t SecondField(const MarkRecord& mark) {
    return mark.wholeRow ? mark.colour : mark.start;
}

// A later mark of the same row replaces the one before it when their second fields differ, except
// that a span never replaces a whole-row mark: the changed characters stay over their line.
bool ReplacesMark(const std::string& previous, const std::string& current) {
    const MarkRecord before = MarkRecord::Read(previous);
    const MarkRecord after = MarkRecord::Read(current);
    return before.row == after.row && SecondField(before) != SecondField(after) &&
           (after.wholeRow || !before.wholeRow);
}

// Both passes only ever touch the last kept record and the next unread one, so they run as one
// forward sweep that hands each record to `place` with the stack of records kept so far.
template <typename Place> void Sweep(StringList& list, Place place) {
    std::vector<std::string>& records = list.Items();
    if (records.empty())
        return;
    std::vector<std::string> kept;
    kept.reserve(records.size());
    kept.push_back(std::move(records[0]));
    for (size_t i = 1; i < records.size(); ++i)
        place(kept, records[i]);
    records = std::move(kept);
}

// Merges current into the last kept block, or keeps it after dropping the blocks it starts at or
// before.
void PlaceBlock(std::vector<std::string>& kept, std::string& current) {
    const BlockRecord block = BlockRecord::Read(current);
    while (true) {
        BlockRecord previous = BlockRecord::Read(kept.back());
        if (Add32(previous.last, 1) == block.first && previous.sides == block.sides) {
            previous.last = block.last;
            kept.back() = previous.Text();
            return;
        }
        if (previous.first < block.first)
            break;
        kept.pop_back();
        if (kept.empty())
            break;
    }
    kept.push_back(std::move(current));
}

} // namespace

void TidyMarks(StringList& marks) {
    Sweep(marks, [](std::vector<std::string>& kept, std::string& current) {
        if (ReplacesMark(kept.back(), current))
            kept.back() = std::move(current);
        else
            kept.push_back(std::move(current));
    });
}

void TidyBlocks(StringList& blocks) {
    Sweep(blocks, PlaceBlock);
}

} // namespace tandem
