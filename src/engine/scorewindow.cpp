#include "scorewindow.h"

#include <algorithm>
#include <bit>

namespace tandem {

namespace {
// Line indexes are 32-bit, so a window this wide already covers every index ahead of its base and
// never slides: a wider one behaves the same.
constexpr int64_t kWidestWindow = int64_t{1} << 31;
} // namespace

ScoreWindow::ScoreWindow(int64_t k)
    : k_(std::clamp<int64_t>(k, 0, kWidestWindow)), side_(k_ + 1), cells_(side_) {
    if (cells_.Flat())
        marks_ = std::make_unique<RejectMarks>(side_);
}

void ScoreWindow::ClearRow(int64_t physical) {
    cells_.ClearRow(physical);
    if (marks_)
        marks_->ClearRow(physical);
}

void ScoreWindow::ClearColumn(int64_t physical) {
    cells_.ClearColumn(physical);
    if (marks_)
        marks_->ClearColumn(physical);
}

void ScoreWindow::Put(int64_t row, int64_t col, int32_t score) {
    if (row > rows_.base + k_)
        Slide(rows_, row, true);
    else if (row < rows_.base)
        return;
    if (col > cols_.base + k_)
        Slide(cols_, col, false);
    else if (col < cols_.base)
        return;
    cells_.Write(Physical(rows_, row), Physical(cols_, col), score);
}

void ScoreWindow::Slide(Axis& axis, int64_t index, bool rows) {
    ++revision_;
    int64_t distance = index - k_ - axis.base;
    if (distance >= side_) {
        cells_.ClearAll();
        if (marks_)
            marks_->ClearAll();
    } else {
        for (int64_t step = 0; step < distance; ++step) {
            int64_t physical = (axis.turn + step) % side_;
            if (rows)
                ClearRow(physical);
            else
                ClearColumn(physical);
        }
    }
    axis.turn = (axis.turn + distance) % side_;
    axis.base = index - k_;
}

bool ScoreWindow::ShiftRows(int64_t at) {
    if (!Covers(rows_, at))
        return false;
    ClearRow(Physical(rows_, at));
    ++rows_.base;
    // The cells now answer for the next index: the rows up to the insertion answer for other
    // lines than their own, and the boundary below which marks do not hold moves with the cells.
    rowsMarkedFrom_ = std::max(rowsMarkedFrom_ + 1, at + 1);
    ++revision_;
    return true;
}

bool ScoreWindow::ShiftColumns(int64_t at) {
    if (!Covers(cols_, at))
        return false;
    ClearColumn(Physical(cols_, at));
    ++cols_.base;
    colsMarkedFrom_ = std::max(colsMarkedFrom_ + 1, at + 1);
    ++revision_;
    return true;
}

void ScoreWindow::ForgetRejectsOfRow(int64_t index) {
    rowsMarkedFrom_ = std::max(rowsMarkedFrom_, index + 1);
    ++revision_;
}

void ScoreWindow::ForgetRejectsOfColumn(int64_t index) {
    colsMarkedFrom_ = std::max(colsMarkedFrom_, index + 1);
    ++revision_;
}

int64_t ScoreWindow::Strip::FirstUnmarkedFromMarked(int64_t from, int64_t end) const {
    // Past the window's end nothing is cached, so nothing is marked.
    const int64_t covered = std::min(end, base_ + k_ + 1);
    constexpr uint64_t kWordBits = RejectMarks::kWordBits;
    int64_t index = from;
    while (index < covered) {
        const uint64_t physical = static_cast<uint64_t>(Physical(index));
        const uint64_t bit = physical % kWordBits;
        // Before the ring's end or the covered end, whichever comes first.
        const uint64_t ahead = std::min(static_cast<uint64_t>(side_) - physical,
                                        static_cast<uint64_t>(covered - index));
        size_t word = static_cast<size_t>(physical / kWordBits);
        if (bit == 0 && ahead >= kWordBits) {
            // Long marked runs are passed over a whole word at a time.
            const size_t lastWord = word + static_cast<size_t>(ahead / kWordBits);
            while (word < lastWord && marks_.Word(word) == ~uint64_t{0})
                ++word;
            const int64_t passed = static_cast<int64_t>((word - physical / kWordBits) * kWordBits);
            if (word < lastWord)
                return index + passed + std::countr_zero(~marks_.Word(word));
            index += passed;
            continue;
        }
        const uint64_t span = std::min(kWordBits - bit, ahead);
        uint64_t unmarked = ~marks_.Word(word) >> bit;
        if (span < kWordBits)
            unmarked &= (uint64_t{1} << span) - 1;
        if (unmarked)
            return index + std::countr_zero(unmarked);
        index += static_cast<int64_t>(span);
    }
    return covered;
}

ScoreWindow::Strip ScoreWindow::MakeStrip(int64_t line, bool rows) const {
    Strip strip;
    strip.window_ = this;
    strip.line_ = line;
    strip.rows_ = rows;
    const FlatScoreCells* flat = cells_.Flat();
    if (!flat)
        return strip;
    const Axis& own = rows ? rows_ : cols_;
    const Axis& other = rows ? cols_ : rows_;
    strip.flat_ = true;
    strip.covered_ = Covers(own, line);
    if (strip.covered_)
        strip.cells_ =
            rows ? flat->RowStrip(Physical(own, line)) : flat->ColumnStrip(Physical(own, line));
    strip.base_ = other.base;
    strip.turn_ = other.turn;
    strip.k_ = k_;
    strip.side_ = side_;
    const int64_t ownMarkedFrom = rows ? rowsMarkedFrom_ : colsMarkedFrom_;
    strip.markedFrom_ = std::max(rows ? colsMarkedFrom_ : rowsMarkedFrom_, other.base);
    if (marks_ && strip.covered_ && line >= ownMarkedFrom) {
        const int64_t physical = Physical(own, line);
        strip.marks_ = rows ? marks_->RowMarks(physical) : marks_->ColumnMarks(physical);
    }
    return strip;
}

} // namespace tandem
