#include "rowguide.h"

#include "engine/records.h"

#include <algorithm>

namespace tandem {

RowGuide::RowGuide(const ComparisonResult& result)
    : kinds_(std::max(result.left.size(), result.right.size()), RowKind::Equal) {
    NumberRows(kLeft, result.left);
    NumberRows(kRight, result.right);
    MarkBlocks(result.blocks);
    MarkUnrecordedRows();
}

// A file's lines keep their order through the alignment; the rows that are not filler rows hold
// them one after the other.
void RowGuide::NumberRows(Side side, const std::vector<std::string_view>& rows) {
    std::vector<int32_t>& numbers = numbers_[side];
    numbers.assign(kinds_.size(), 0);
    int32_t next = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (!IsFillerRow(rows[row]))
            numbers[row] = ++next;
    }
}

void RowGuide::MarkBlocks(const StringList& blocks) {
    for (const std::string& text : blocks.Items()) {
        const BlockRecord block = BlockRecord::Read(text);
        RowKind kind = block.sides == kLeftOnlySides    ? RowKind::LeftOnly
                       : block.sides == kRightOnlySides ? RowKind::RightOnly
                                                        : RowKind::Changed;
        int64_t first = std::max<int64_t>(block.first, 0);
        int64_t last = std::min<int64_t>(block.last, static_cast<int64_t>(kinds_.size()) - 1);
        for (int64_t row = first; row <= last; ++row)
            kinds_[static_cast<size_t>(row)] = kind;
        differ_ = true;
    }
}

// The engine records nothing for the rows that only even out the two sides' lengths at the end,
// though a line facing such a row exists in one file only; so is any unrecorded row like it.
void RowGuide::MarkUnrecordedRows() {
    for (size_t row = 0; row < kinds_.size(); ++row) {
        if (kinds_[row] != RowKind::Equal)
            continue;
        bool left = numbers_[kLeft][row] != 0;
        bool right = numbers_[kRight][row] != 0;
        if (left != right) {
            kinds_[row] = left ? RowKind::LeftOnly : RowKind::RightOnly;
            differ_ = true;
        }
    }
}

} // namespace tandem
