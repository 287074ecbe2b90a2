#include "scorecells.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_map>
#include <vector>

namespace tandem {

namespace {

// Sides up to this many cells get one flat block (64 MB of address space, touched only where
// scores are written); larger windows store only the pairs actually scored.
constexpr int64_t kFlatSideLimit = 4096;
// A sparse store drops its stale cells when it has grown past this many since the last sweep.
constexpr size_t kSparseSweepMinimum = size_t{1} << 20;

// Each flat cell packs the score (plus one, 0 = empty, 255 = kept aside) with the 12-bit generation
// of its row and of its column when it was written: clearing a row or column only bumps its
// generation, and a cell whose generations are out of date reads as empty. A generation that wraps
// round to 0 clears its cells for real, so an old cell can never come back to life. Cells are laid
// out in square tiles of one page, so that the band of pairs around the diagonal that a run scores
// touches few pages.
class FlatScoreCells final : public ScoreCells {
public:
    explicit FlatScoreCells(int64_t side)
        : side_(side), tilesPerSide_((side + kTileSide - 1) / kTileSide),
          rowGeneration_(static_cast<size_t>(side)), colGeneration_(static_cast<size_t>(side)) {
        // calloc leaves untouched pages unmapped, so memory follows the cells written.
        size_t cellCount = static_cast<size_t>(tilesPerSide_ * tilesPerSide_) * kTileCells;
        cells_ = static_cast<uint32_t*>(std::calloc(cellCount, sizeof(uint32_t)));
        if (!cells_)
            throw std::bad_alloc();
    }
    ~FlatScoreCells() override { std::free(cells_); }

    int32_t Read(int64_t row, int64_t col) const override {
        uint32_t cell = cells_[Index(row, col)];
        uint32_t stored = cell & 0xFF;
        if (stored == kEmpty ||
            ((cell >> 8) & kGenerationMask) != rowGeneration_[static_cast<size_t>(row)] ||
            (cell >> 20) != colGeneration_[static_cast<size_t>(col)])
            return -1;
        if (stored == kAside)
            return aside_.at(row * side_ + col);
        return static_cast<int32_t>(stored) - 1;
    }

    void Write(int64_t row, int64_t col, int32_t score) override {
        uint32_t stored = static_cast<uint32_t>(score) + 1;
        if (score < 0 || stored >= kAside) {
            stored = kAside;
            aside_[row * side_ + col] = score;
        }
        cells_[Index(row, col)] = stored | uint32_t{rowGeneration_[static_cast<size_t>(row)]} << 8 |
                                  uint32_t{colGeneration_[static_cast<size_t>(col)]} << 20;
    }

    void ClearRow(int64_t row) override {
        uint16_t& generation = rowGeneration_[static_cast<size_t>(row)];
        generation = (generation + 1) & kGenerationMask;
        if (generation == 0)
            for (int64_t col = 0; col < side_; ++col)
                cells_[Index(row, col)] = kEmpty;
    }

    void ClearColumn(int64_t col) override {
        uint16_t& generation = colGeneration_[static_cast<size_t>(col)];
        generation = (generation + 1) & kGenerationMask;
        if (generation == 0)
            for (int64_t row = 0; row < side_; ++row)
                cells_[Index(row, col)] = kEmpty;
    }

    void ClearAll() override {
        for (int64_t row = 0; row < side_; ++row)
            ClearRow(row);
    }

private:
    static constexpr uint32_t kEmpty = 0;
    static constexpr uint32_t kAside = 255; // a score outside 0..253, kept in aside_
    static constexpr uint32_t kGenerationMask = 0xFFF;
    static constexpr int64_t kTileShift = 5;
    static constexpr int64_t kTileSide = int64_t{1} << kTileShift; // 32 x 32 cells: one 4 KB page
    static constexpr int64_t kTileCells = kTileSide * kTileSide;

    size_t Index(int64_t row, int64_t col) const {
        int64_t tile = (row >> kTileShift) * tilesPerSide_ + (col >> kTileShift);
        return static_cast<size_t>(tile * kTileCells + (row & (kTileSide - 1)) * kTileSide +
                                   (col & (kTileSide - 1)));
    }

    int64_t side_;
    int64_t tilesPerSide_;
    uint32_t* cells_ = nullptr;
    std::vector<uint16_t> rowGeneration_;
    std::vector<uint16_t> colGeneration_;
    std::unordered_map<int64_t, int32_t> aside_;
};

// The same generations, with only the written cells and the cleared rows and columns stored.
class SparseScoreCells final : public ScoreCells {
public:
    explicit SparseScoreCells(int64_t side) : side_(side) {}

    int32_t Read(int64_t row, int64_t col) const override {
        auto found = cells_.find(Index(row, col));
        if (found == cells_.end() || !IsCurrent(found->second, row, col))
            return -1;
        return found->second.score;
    }

    void Write(int64_t row, int64_t col, int32_t score) override {
        cells_[Index(row, col)] = {score, Generation(rowGeneration_, row),
                                   Generation(colGeneration_, col)};
        if (cells_.size() >= sweepAt_)
            Sweep();
    }

    void ClearRow(int64_t row) override { ++rowGeneration_[row]; }
    void ClearColumn(int64_t col) override { ++colGeneration_[col]; }

    void ClearAll() override {
        cells_.clear();
        rowGeneration_.clear();
        colGeneration_.clear();
    }

private:
    struct Cell {
        int32_t score;
        uint32_t rowGeneration;
        uint32_t colGeneration;
    };
    using Generations = std::unordered_map<int64_t, uint32_t>;

    int64_t Index(int64_t row, int64_t col) const { return row * side_ + col; }

    static uint32_t Generation(const Generations& generations, int64_t index) {
        auto found = generations.find(index);
        return found == generations.end() ? 0 : found->second;
    }

    bool IsCurrent(const Cell& cell, int64_t row, int64_t col) const {
        return cell.rowGeneration == Generation(rowGeneration_, row) &&
               cell.colGeneration == Generation(colGeneration_, col);
    }

    void Sweep() {
        std::erase_if(cells_, [this](const auto& entry) {
            return !IsCurrent(entry.second, entry.first / side_, entry.first % side_);
        });
        sweepAt_ = std::max(kSparseSweepMinimum, cells_.size() * 2);
    }

    int64_t side_;
    std::unordered_map<int64_t, Cell> cells_;
    Generations rowGeneration_;
    Generations colGeneration_;
    size_t sweepAt_ = kSparseSweepMinimum;
};

} // namespace

std::unique_ptr<ScoreCells> ScoreCells::Make(int64_t side) {
    if (side <= kFlatSideLimit)
        return std::make_unique<FlatScoreCells>(side);
    return std::make_unique<SparseScoreCells>(side);
}

} // namespace tandem
