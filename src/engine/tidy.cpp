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

} // namespace

// Both passes only ever touch the last kept record and the next unread one, so they run as one
// forward sweep over a stack of kept records.
void TidyMarks(StringList& marks) {
    std::vector<std::string>& records = marks.Items();
    if (records.empty())
        return;
    std::vector<std::string> kept;
    kept.reserve(records.size());
    kept.push_back(std::move(records[0]));
    for (size_t i = 1; i < records.size(); ++i) {
        if (ReplacesMark(kept.back(), records[i]))
            kept.back() = std::move(records[i]);
        else
            kept.push_back(std::move(records[i]));
    }
    records = std::move(kept);
}

void TidyBlocks(StringList& blocks) {
    std::vector<std::string>& records = blocks.Items();
    if (records.empty())
        return;
    std::vector<std::string> kept;
    kept.reserve(records.size());
    kept.push_back(std::move(records[0]));
    for (size_t i = 1; i < records.size(); ++i) {
        std::string& current = records[i];
        while (true) {
            const std::string& previous = kept.back();
            std::string_view sides = Field(current, kSeparator, 3);
            if (Add32(NumberField(previous, 2), 1) == NumberField(current, 1) &&
                Field(previous, kSeparator, 3) == sides) {
                kept.back() = NumberToText(NumberField(previous, 1)) + kSeparator +
                              NumberToText(NumberField(current, 2)) + kSeparator +
                              std::string(sides);
                break;
            }
            if (NumberField(previous, 1) < NumberField(current, 1)) {
                kept.push_back(std::move(current));
                break;
            }
            kept.pop_back();
            if (kept.empty()) {
                kept.push_back(std::move(current));
                break;
            }
        }
    }
    records = std::move(kept);
}

} // namespace tandem
