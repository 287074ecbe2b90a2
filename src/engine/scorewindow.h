// The similarity scores of one run, cached for the pairs (left row, right column) inside a square
// window of side K + 1 that slides forward as the alignment advances. It is not a plain cache:
// puts behind the window are dropped, a put ahead of it slides it (forgetting what leaves), and a
// line inserted into either list shifts the cached rows or columns so that they answer for the
// next index. The alignment's results depend on all of that, so it is kept exactly.
#pragma once

#include "rejectmarks.h"
#include "scorecells.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace tandem {

class ScoreWindow {
public:
    explicit ScoreWindow(int64_t k);
    ScoreWindow(const ScoreWindow&) = delete;
    ScoreWindow& operator=(const ScoreWindow&) = delete;

    // The cached score, kBelowDepth, or kNoScore when the pair is outside the window or not yet
    // known.
    int32_t Get(int64_t row, int64_t col) const {
        if (!Covers(rows_, row) || !Covers(cols_, col))
            return kNoScore;
        return cells_.Read(Physical(rows_, row), Physical(cols_, col));
    }
    void Put(int64_t row, int64_t col, int32_t score);

    // The cached scores of one left line against the right lines (a row), or of one right line
    // against the left lines (a column), read with what they share worked out once. It holds
    // while the window neither slides nor shifts, which Revision tells.
    class Strip {
    public:
        // As the window's Get for the pair of the strip's line and line `index` of the other list,
        // except that a score kept aside in flat cells (outside 0..252) reads as kNoScore.
        int32_t Get(int64_t index) const {
            if (!flat_)
                return rows_ ? window_->Get(line_, index) : window_->Get(index, line_);
            if (!covered_ || index < base_ || index > base_ + k_)
                return kNoScore;
            return cells_.Read(Physical(index));
        }
        void Prefetch(int64_t index) const {
            if (flat_ && covered_ && index >= base_ && index <= base_ + k_)
                cells_.Prefetch(Physical(index));
        }
        // The first index in from .. end - 1 whose probe is not marked as going no further, or
        // end when all are. Most often `from` itself is not marked, which is answered here.
        int64_t FirstUnmarked(int64_t from, int64_t end) const {
            if (!marks_.Present() || from < markedFrom_ || from < base_ || from > base_ + k_ ||
                from >= end)
                return from;
            const int64_t physical = Physical(from);
            const uint64_t word =
                marks_.Word(static_cast<size_t>(physical / RejectMarks::kWordBits));
            if (((word >> (physical % RejectMarks::kWordBits)) & 1) == 0)
                return from;
            return FirstUnmarkedFromMarked(from, end);
        }
        // Marks the probe of the pair of the strip's line and line `index` as going no further.
        void MarkReject(int64_t index) {
            if (marks_.Present() && index >= markedFrom_ && index <= base_ + k_)
                marks_.Mark(Physical(index));
        }

    private:
        friend class ScoreWindow;
        // FirstUnmarked past a marked `from` inside the window and before `end`.
        int64_t FirstUnmarkedFromMarked(int64_t from, int64_t end) const;
        int64_t Physical(int64_t index) const { return RingPosition(index, base_, turn_, side_); }

        const ScoreWindow* window_ = nullptr;
        int64_t line_ = 0;
        bool rows_ = true; // the strip is a row: its line is a left line
        bool flat_ = false;
        bool covered_ = false; // the strip's own line is inside the window
        FlatScoreCells::Strip cells_;
        int64_t base_ = 0; // of the other axis
        int64_t turn_ = 0;
        int64_t k_ = 0;
        int64_t side_ = 0;
        RejectMarks::Line marks_; // absent when the strip's own line has none that hold
        int64_t markedFrom_ = 0;  // the first index of the other axis whose marks hold
    };
    Strip RowStrip(int64_t row) const { return MakeStrip(row, true); }
    Strip ColumnStrip(int64_t col) const { return MakeStrip(col, false); }
    // Changes whenever the window slides or shifts, which ends every strip taken before.
    uint64_t Revision() const { return revision_; }
    // The line at `index` of the left list (rows) or the right list now holds other text, so
    // what was learnt about its probes no longer holds.
    void ForgetRejectsOfRow(int64_t index);
    void ForgetRejectsOfColumn(int64_t index);
    // A line was inserted at index `at` of the left list (rows) or the right list (columns).
    // False when `at` is outside the window, which then stays as it is.
    bool ShiftRows(int64_t at);
    bool ShiftColumns(int64_t at);
    // Whether an insertion at `at` moves every line the window's rows (or columns) answer for.
    bool IsBeforeRows(int64_t at) const { return at < rows_.base; }
    bool IsBeforeColumns(int64_t at) const { return at < cols_.base; }

    // Replaces every cached kBelowDepth by exactScore(row, col), in place.
    template <typename ExactScore> void ResolveBelowDepth(ExactScore exactScore) {
        std::vector<std::pair<int64_t, int64_t>> below;
        cells_.ForEachBelowDepth([&](int64_t row, int64_t col) {
            below.emplace_back(Logical(rows_, row), Logical(cols_, col));
        });
        for (auto [row, col] : below)
            cells_.Write(Physical(rows_, row), Physical(cols_, col), exactScore(row, col));
        if (marks_)
            marks_->ClearAll();
        ++revision_;
    }

private:
    // One direction of the window: the first covered index and the ring offset of its cells.
    struct Axis {
        int64_t base = 0;
        int64_t turn = 0;
    };

    bool Covers(const Axis& axis, int64_t index) const {
        return index >= axis.base && index <= axis.base + k_;
    }
    // Both the offset into the window and the turn are below side_, so one subtraction wraps the
    // ring.
    // Where `index` lies in a ring of `side` positions whose first covered index, `base`, lies at
    // `turn`.
    static int64_t RingPosition(int64_t index, int64_t base, int64_t turn, int64_t side) {
        const int64_t physical = index - base + turn;
        return physical >= side ? physical - side : physical;
    }
    int64_t Physical(const Axis& axis, int64_t index) const {
        return RingPosition(index, axis.base, axis.turn, side_);
    }
    int64_t Logical(const Axis& axis, int64_t physical) const {
        int64_t offset = physical - axis.turn;
        return axis.base + (offset < 0 ? offset + side_ : offset);
    }
    // Moves the axis so that index is its last covered one, clearing the lines that leave.
    void Slide(Axis& axis, int64_t index, bool rows);
    void ClearRow(int64_t physical);
    void ClearColumn(int64_t physical);
    Strip MakeStrip(int64_t line, bool rows) const;

    int64_t k_;
    int64_t side_;
    Axis rows_;
    Axis cols_;
    ScoreCells cells_;
    std::unique_ptr<RejectMarks> marks_; // with flat cells only
    // Below these indexes the cells may answer for other lines than the ones there now (after a
    // shift, or a line that was given other text), so marks there are neither used nor made.
    int64_t rowsMarkedFrom_ = 0;
    int64_t colsMarkedFrom_ = 0;
    uint64_t revision_ = 0;
};

} // namespace tandem
