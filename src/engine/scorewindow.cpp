#include "scorewindow.h"

#include <algorithm>

namespace tandem {

namespace {
// Line indexes are 32-bit, so a window this wide already covers every index ahead of its base and
// never slides: a wider one behaves the same.
constexpr int64_t kWidestWindow = int64_t{1} << 31;
} // namespace

ScoreWindow::ScoreWindow(int64_t k)
    : k_(std::clamp<int64_t>(k, 0, kWidestWindow)), side_(k_ + 1), cells_(side_) {}

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
    } else {
        for (int64_t step = 0; step < distance; ++step) {
            int64_t physical = (axis.turn + step) % side_;
            if (rows)
                cells_.ClearRow(physical);
            else
                cells_.ClearColumn(physical);
        }
    }
    axis.turn = (axis.turn + distance) % side_;
    axis.base = index - k_;
}

bool ScoreWindow::ShiftRows(int64_t at) {
    if (!Covers(rows_, at))
        return false;
    cells_.ClearRow(Physical(rows_, at));
    ++rows_.base;
    ++revision_;
    return true;
}

bool ScoreWindow::ShiftColumns(int64_t at) {
    if (!Covers(cols_, at))
        return false;
    cells_.ClearColumn(Physical(cols_, at));
    ++cols_.base;
    ++revision_;
    return true;
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
    return strip;
}

} // namespace tandem
