#include "scorecells.h"

#include <algorithm>
#include <new>

namespace tandem {

namespace {

// Sides up to this many cells get one flat block (64 MB of address space, touched only where
// scores are written); larger windows store only the pairs actually scored.
constexpr int64_t kFlatSideLimit = 4096;

} // namespace

FlatScoreCells::FlatScoreCells(int64_t side)
    : side_(side), tilesPerSide_((side + kTileSide - 1) / kTileSide),
      tileWritten_(static_cast<size_t>(tilesPerSide_ * tilesPerSide_)),
      rowGeneration_(static_cast<size_t>(side)), colGeneration_(static_cast<size_t>(side)) {
    // Left uncleared: a tile is cleared when it is first written, so memory follows the tiles
    // written and no page is touched for the others.
    const size_t cellCount = static_cast<size_t>(tilesPerSide_ * tilesPerSide_) * kTileCells;
    cells_ = new uint32_t[cellCount];
}

FlatScoreCells::~FlatScoreCells() {
    delete[] cells_;
}

void FlatScoreCells::Write(int64_t row, int64_t col, int32_t score) {
    uint32_t stored = static_cast<uint32_t>(score) + 1;
    if (score == kBelowDepth) {
        stored = kBelow;
    } else if (score < 0 || stored >= kBelow) {
        stored = kAside;
        aside_[row * side_ + col] = score;
    }
    const size_t tile = Tile(row, col);
    if (!tileWritten_[tile]) {
        std::fill_n(cells_ + tile * kTileCells, kTileCells, kEmpty);
        tileWritten_[tile] = 1;
    }
    cells_[CellIndex(tile, row, col)] =
        stored | Generations(rowGeneration_[static_cast<size_t>(row)],
                             colGeneration_[static_cast<size_t>(col)])
                     << 8;
}

// A cell holds its row's generation in bits 8-19 and its column's in bits 20-31.
FlatScoreCells::Strip FlatScoreCells::RowStrip(int64_t row) const {
    Strip strip = CommonStrip();
    strip.liveGenerations_ = colGeneration_.data();
    strip.diagonalSign_ = 1;
    strip.diagonalOffset_ = -(row >> kTileShift);
    strip.fixedTileRow_ = row >> kTileShift;
    strip.movingTileRow_ = 0;
    strip.fixedInTile_ = static_cast<size_t>((row & (kTileSide - 1)) * kTileSide);
    strip.inTileStep_ = 1;
    strip.fixedGeneration_ = Generations(rowGeneration_[static_cast<size_t>(row)], 0);
    strip.liveShift_ = 12;
    return strip;
}

FlatScoreCells::Strip FlatScoreCells::ColumnStrip(int64_t col) const {
    Strip strip = CommonStrip();
    strip.liveGenerations_ = rowGeneration_.data();
    strip.diagonalSign_ = -1;
    strip.diagonalOffset_ = col >> kTileShift;
    strip.fixedTileRow_ = 0;
    strip.movingTileRow_ = 1;
    strip.fixedInTile_ = static_cast<size_t>(col & (kTileSide - 1));
    strip.inTileStep_ = kTileSide;
    strip.fixedGeneration_ = Generations(0, colGeneration_[static_cast<size_t>(col)]);
    strip.liveShift_ = 0;
    return strip;
}

FlatScoreCells::Strip FlatScoreCells::CommonStrip() const {
    Strip strip;
    strip.cells_ = cells_;
    strip.tileWritten_ = tileWritten_.data();
    strip.tilesPerSide_ = tilesPerSide_;
    return strip;
}

void FlatScoreCells::ClearRow(int64_t row) {
    uint16_t& generation = rowGeneration_[static_cast<size_t>(row)];
    generation = (generation + 1) & kGenerationMask;
    if (generation == 0)
        for (int64_t col = 0; col < side_; ++col)
            if (tileWritten_[Tile(row, col)])
                cells_[Index(row, col)] = kEmpty;
}

void FlatScoreCells::ClearColumn(int64_t col) {
    uint16_t& generation = colGeneration_[static_cast<size_t>(col)];
    generation = (generation + 1) & kGenerationMask;
    if (generation == 0)
        for (int64_t row = 0; row < side_; ++row)
            if (tileWritten_[Tile(row, col)])
                cells_[Index(row, col)] = kEmpty;
}

void FlatScoreCells::ClearAll() {
    for (int64_t row = 0; row < side_; ++row)
        ClearRow(row);
}

int32_t SparseScoreCells::Read(int64_t row, int64_t col) const {
    auto found = cells_.find(Index(row, col));
    if (found == cells_.end() || !IsCurrent(found->second, row, col))
        return kNoScore;
    return found->second.score;
}

void SparseScoreCells::Write(int64_t row, int64_t col, int32_t score) {
    cells_[Index(row, col)] = {score, Generation(rowGeneration_, row),
                               Generation(colGeneration_, col)};
    if (cells_.size() >= sweepAt_)
        Sweep();
}

void SparseScoreCells::ClearAll() {
    cells_.clear();
    rowGeneration_.clear();
    colGeneration_.clear();
}

uint32_t SparseScoreCells::Generation(const Generations& generations, int64_t index) {
    auto found = generations.find(index);
    return found == generations.end() ? 0 : found->second;
}

bool SparseScoreCells::IsCurrent(const Cell& cell, int64_t row, int64_t col) const {
    return cell.rowGeneration == Generation(rowGeneration_, row) &&
           cell.colGeneration == Generation(colGeneration_, col);
}

void SparseScoreCells::Sweep() {
    std::erase_if(cells_, [this](const auto& entry) {
        return !IsCurrent(entry.second, entry.first / side_, entry.first % side_);
    });
    sweepAt_ = std::max(kSweepMinimum, cells_.size() * 2);
}

ScoreCells::ScoreCells(int64_t side) {
    if (side <= kFlatSideLimit)
        flat_ = std::make_unique<FlatScoreCells>(side);
    else
        sparse_ = std::make_unique<SparseScoreCells>(side);
}

} // namespace tandem
