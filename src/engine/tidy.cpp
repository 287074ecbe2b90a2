#include "tidy.h"

#include "int32.h"
#include "toolkit/fields.h"

#include <string>
#include <vector>

namespace tandem {

namespace {

constexpr char kSeparator = ',';

int32_t NumberField(std::string_view record, int n) {
    return TextToNumber(Field(record, kSeparator, n));
}

bool ReplacesMark(const std::string& previous, const std::string& current) {
    return Field(previous, kSeparator, 1) == Field(current, kSeparator, 1) &&
           Field(previous, kSeparator, 2) != Field(current, kSeparator, 2) &&
           FieldCount(current, kSeparator) <= FieldCount(previous, kSeparator);
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
    std::string_view sides = Field(current, kSeparator, 3);
    while (true) {
        const std::string& previous = kept.back();
        if (Add32(NumberField(previous, 2), 1) == NumberField(current, 1) &&
            Field(previous, kSeparator, 3) == sides) {
            kept.back() = NumberToText(NumberField(previous, 1)) + kSeparator +
                          NumberToText(NumberField(current, 2)) + kSeparator + std::string(sides);
            return;
        }
        if (NumberField(previous, 1) < NumberField(current, 1))
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
