// What each aligned row is (equal, changed, on one side only) and which file line stands in it,
// worked out from the block records and from the rows themselves.
#pragma once

#include "engine/comparison.h"
#include "toolkit/side.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tandem {

enum class RowKind : uint8_t { Equal, Changed, LeftOnly, RightOnly };

class RowGuide {
public:
    explicit RowGuide(const ComparisonResult& result);

    size_t RowCount() const { return kinds_.size(); }
    RowKind Kind(size_t row) const { return kinds_[row]; }
    // The file's 1-based line number shown in this row, or 0 for a filler row.
    int32_t LineNumber(Side side, size_t row) const { return numbers_[side][row]; }
    bool FilesDiffer() const { return differ_; }

private:
    void NumberRows(Side side, const std::vector<std::string_view>& rows);
    void MarkBlocks(const StringList& blocks);
    void MarkUnrecordedRows();

    std::vector<RowKind> kinds_;
    std::array<std::vector<int32_t>, 2> numbers_;
    bool differ_ = false;
};

} // namespace tandem
