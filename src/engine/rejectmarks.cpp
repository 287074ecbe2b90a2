#include "rejectmarks.h"

#include <algorithm>
#include <limits>

namespace tandem {

RejectMarks::RejectMarks(int64_t side)
    : wordsPerLine_(static_cast<size_t>((side + kWordBits - 1) / kWordBits)) {
    for (Table* table : {&rows_, &columns_}) {
        table->words.assign(static_cast<size_t>(side) * wordsPerLine_, 0);
        table->stamps.assign(static_cast<size_t>(side) * wordsPerLine_, 0);
        table->groupCleared.assign(wordsPerLine_, 0);
    }
}

uint32_t RejectMarks::Tick() {
    if (epoch_ == std::numeric_limits<uint32_t>::max()) {
        for (Table* table : {&rows_, &columns_}) {
            std::fill(table->words.begin(), table->words.end(), 0);
            std::fill(table->stamps.begin(), table->stamps.end(), 0);
            std::fill(table->groupCleared.begin(), table->groupCleared.end(), 0);
        }
        epoch_ = 1;
    }
    return epoch_++;
}

void RejectMarks::ClearLine(Table& own, Table& other, int64_t line) {
    const size_t first = static_cast<size_t>(line) * wordsPerLine_;
    std::fill_n(own.words.begin() + static_cast<std::ptrdiff_t>(first), wordsPerLine_, 0);
    other.groupCleared[static_cast<size_t>(line / kWordBits)] = Tick();
}

void RejectMarks::ClearRow(int64_t row) {
    ClearLine(rows_, columns_, row);
}

void RejectMarks::ClearColumn(int64_t col) {
    ClearLine(columns_, rows_, col);
}

void RejectMarks::ClearAll() {
    const uint32_t now = Tick();
    for (Table* table : {&rows_, &columns_})
        std::fill(table->groupCleared.begin(), table->groupCleared.end(), now);
}

RejectMarks::Line RejectMarks::LineOf(Table& table, int64_t line) {
    Line marks;
    const size_t first = static_cast<size_t>(line) * wordsPerLine_;
    marks.words_ = table.words.data() + first;
    marks.stamps_ = table.stamps.data() + first;
    marks.groupCleared_ = table.groupCleared.data();
    marks.epoch_ = &epoch_;
    return marks;
}

RejectMarks::Line RejectMarks::RowMarks(int64_t row) {
    return LineOf(rows_, row);
}

RejectMarks::Line RejectMarks::ColumnMarks(int64_t col) {
    return LineOf(columns_, col);
}

} // namespace tandem
