// What the search's probes have learnt about the score window's pairs: a mark says that a probe
// of that pair certainly goes no further (its score is below Depth and it cannot start a split
// line, or the line probed against is empty), so that a run of marked pairs is passed over a word
// at a time instead of pair by pair. Marks are kept by physical position, one table by row for the
// probes of left lines and one by column for the probes of right lines, and they are forgotten
// with the cells they were learnt from: clearing a row (or column) of cells empties that row's
// marks at once and, in the other table, ends every word of marks for the group of 64 rows (or
// columns) it belongs to, which then reads as empty until it is written again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tandem {

class RejectMarks {
public:
    static constexpr int64_t kWordBits = 64;

    explicit RejectMarks(int64_t side);

    // Cells of a physical row (or column) were cleared, or all of them were.
    void ClearRow(int64_t row);
    void ClearColumn(int64_t col);
    void ClearAll();

    // The marks of one physical row (for probes of left lines) or column (right lines).
    class Line {
    public:
        Line() = default;
        bool Present() const { return words_ != nullptr; }
        // The marks of positions 64 w .. 64 w + 63, as bits from the lowest.
        uint64_t Word(size_t w) const { return stamps_[w] > groupCleared_[w] ? words_[w] : 0; }
        void Mark(int64_t position) {
            const auto at = static_cast<uint64_t>(position);
            const size_t w = static_cast<size_t>(at / kWordBits);
            // A word written before its group was last cleared holds nothing true any more.
            if (stamps_[w] <= groupCleared_[w])
                words_[w] = 0;
            words_[w] |= uint64_t{1} << (at % kWordBits);
            stamps_[w] = *epoch_;
        }

    private:
        friend class RejectMarks;
        uint64_t* words_ = nullptr;
        uint32_t* stamps_ = nullptr;             // when each word was last known to be true
        const uint32_t* groupCleared_ = nullptr; // when each group of positions was last cleared
        const uint32_t* epoch_ = nullptr;
    };
    Line RowMarks(int64_t row);
    Line ColumnMarks(int64_t col);

private:
    // One table: for each line, the words of its marks and when each was written.
    struct Table {
        std::vector<uint64_t> words;
        std::vector<uint32_t> stamps;
        std::vector<uint32_t> groupCleared; // by group of positions along the lines
    };
    void ClearLine(Table& own, Table& other, int64_t line);
    Line LineOf(Table& table, int64_t line);
    // Moves the clock on; when it would wrap, every mark is forgotten and it starts again.
    uint32_t Tick();

    size_t wordsPerLine_;
    Table rows_;    // row r's marks of columns
    Table columns_; // column c's marks of rows
    uint32_t epoch_ = 1;
};

} // namespace tandem
