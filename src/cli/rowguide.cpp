#include "rowguide.h"

#include "toolkit/fields.h"

#include <algorithm>

namespace tandem {

RowGuide::RowGuide(const ComparisonResult& result, const SideLines& lines)
    : kinds_(std::max(result.left.size(), result.right.size()), RowKind::Equal) {
    NumberRows(kLeft, result.left, *lines[kLeft]);
    NumberRows(kRight, result.right, *lines[kRight]);
    MarkBlocks(result.blocks);
    MarkUnrecordedRows();
}

// A file's lines keep their order through the alignment, and each row that holds one is a view of
// that very line; filler rows are views of nothing in the file.
void RowGuide::NumberRows(Side side, const std::vector<std::string_view>& rows,
                          const std::vector<std::string_view>& lines) {
    std::vector<int32_t>& numbers = numbers_[side];
    numbers.assign(kinds_.size(), 0);
    size_t next = 0;
    for (size_t row = 0; row < rows.size() && next < lines.size(); ++row) {
        if (rows[row].data() == lines[next].data() && rows[row].size() == lines[next].size())
            numbers[row] = static_cast<int32_t>(++next);
    }
}

void RowGuide::MarkBlocks(const StringList& blocks) {
    for (const std::string& block : blocks.Items()) {
        std::string_view sides = Field(block, ',', 3);
        RowKind kind = sides == "l"   ? RowKind::LeftOnly
                       : sides == "r" ? RowKind::RightOnly
                                      : RowKind::Changed;
        int64_t first = std::max<int64_t>(TextToNumber(Field(block, ',', 1)), 0);
        int64_t last = std::min<int64_t>(TextToNumber(Field(block, ',', 2)),
                                         static_cast<int64_t>(kinds_.size()) - 1);
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
