// Storage of the score window's cells by physical position. Clearing a whole physical row or column
// must be cheap: the window clears one of each for every row the alignment passes.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tandem {

// What a cell holds besides a score of 0 and up.
constexpr int32_t kNoScore = -1;
// The pair scores below the run's Depth; its exact score was not worked out.
constexpr int32_t kBelowDepth = -2;

// Each flat cell packs the score (plus one, 0 = empty, 254 = below Depth, 255 = kept aside) with
// the 12-bit generation of its row and of its column when it was written: clearing a row or column
// only bumps its generation, and a cell whose generations are out of date reads as empty. A
// generation that wraps round to 0 clears its cells for real, so an old cell can never come back
// to life. Cells are laid out in square tiles of one page, and the tiles by their distance from
// the diagonal, so that the band of pairs around the diagonal that a run scores touches few
// pages, and few large pages where the block is backed by them.
class FlatScoreCells {
public:
    explicit FlatScoreCells(int64_t side);
    ~FlatScoreCells();
    FlatScoreCells(const FlatScoreCells&) = delete;
    FlatScoreCells& operator=(const FlatScoreCells&) = delete;

    // The stored score, kBelowDepth or kNoScore.
    int32_t Read(int64_t row, int64_t col) const {
        const size_t tile = Tile(row, col);
        // A tile never written reads as empty without its page being mapped in for the read.
        if (!tileWritten_[tile])
            return kNoScore;
        const int32_t score = Decode(cells_[CellIndex(tile, row, col)],
                                     Generations(rowGeneration_[static_cast<size_t>(row)],
                                                 colGeneration_[static_cast<size_t>(col)]));
        return score == kKeptAside ? aside_.at(row * side_ + col) : score;
    }
    void Write(int64_t row, int64_t col, int32_t score);
    void ClearRow(int64_t row);
    void ClearColumn(int64_t col);
    void ClearAll();

    // The cells of one physical row (or column), read along it with what they share worked out
    // once. It holds until a row or column is next cleared.
    class Strip {
    public:
        // The score at physical position `at` along the strip, kBelowDepth, or kNoScore when the
        // cell is empty or holds a score kept aside (which Read answers).
        int32_t Read(int64_t at) const {
            const size_t tile = TileAt(at);
            if (!tileWritten_[tile])
                return kNoScore;
            const int32_t score =
                Decode(*CellAt(tile, at),
                       fixedGeneration_ | uint32_t{liveGenerations_[static_cast<size_t>(at)]}
                                              << liveShift_);
            return score == kKeptAside ? kNoScore : score;
        }
        void Prefetch(int64_t at) const { __builtin_prefetch(CellAt(TileAt(at), at)); }

    private:
        friend class FlatScoreCells;
        // Along a row the tile's distance from the diagonal grows with the position, along a
        // column it shrinks.
        size_t TileAt(int64_t at) const {
            const int64_t major = at >> kTileShift;
            int64_t distance = diagonalSign_ * major + diagonalOffset_;
            if (distance < 0)
                distance += tilesPerSide_;
            return static_cast<size_t>(distance * tilesPerSide_ + fixedTileRow_ +
                                       major * movingTileRow_);
        }
        const uint32_t* CellAt(size_t tile, int64_t at) const {
            return cells_ + tile * kTileCells + fixedInTile_ +
                   static_cast<size_t>(at & (kTileSide - 1)) * inTileStep_;
        }

        const uint32_t* cells_ = nullptr;
        const uint8_t* tileWritten_ = nullptr;
        const uint16_t* liveGenerations_ = nullptr; // of the rows (or columns) along the strip
        int64_t tilesPerSide_ = 0;
        int64_t diagonalSign_ = 1;
        int64_t diagonalOffset_ = 0;
        int64_t fixedTileRow_ = 0;     // the strip's tile row, for a row
        int64_t movingTileRow_ = 0;    // 1 for a column, whose tile row moves along it
        size_t fixedInTile_ = 0;       // the strip's offset inside each tile
        size_t inTileStep_ = 0;        // cells from one position to the next inside a tile
        uint32_t fixedGeneration_ = 0; // the strip's own generation, as a cell holds it
        int liveShift_ = 0;
    };
    Strip RowStrip(int64_t row) const;
    Strip ColumnStrip(int64_t col) const;

    // Calls visit(row, col) for every current cell below Depth.
    template <typename Visit> void ForEachBelowDepth(Visit visit) const {
        for (int64_t row = 0; row < side_; ++row)
            for (int64_t col = 0; col < side_; ++col)
                if (Read(row, col) == kBelowDepth)
                    visit(row, col);
    }

private:
    static constexpr uint32_t kEmpty = 0;
    static constexpr uint32_t kBelow = 254;
    static constexpr uint32_t kAside = 255; // any other score outside 0..252, kept in aside_
    static constexpr uint32_t kGenerationMask = 0xFFF;
    // What Decode answers for a score kept aside, which only aside_ knows.
    static constexpr int32_t kKeptAside = -3;

    // A cell's generations as it holds them above its score: the row's, then the column's.
    static uint32_t Generations(uint16_t row, uint16_t col) { return row | uint32_t{col} << 12; }
    // The score a cell holds if it was written at these generations, kBelowDepth, kKeptAside, or
    // kNoScore for a cell empty or out of date.
    static int32_t Decode(uint32_t cell, uint32_t generations) {
        const uint32_t stored = cell & 0xFF;
        if (stored == kEmpty || (cell >> 8) != generations)
            return kNoScore;
        if (stored >= kBelow)
            return stored == kBelow ? kBelowDepth : kKeptAside;
        return static_cast<int32_t>(stored) - 1;
    }
    static constexpr int64_t kTileShift = 5;
    static constexpr int64_t kTileSide = int64_t{1} << kTileShift; // 32 x 32 cells: one 4 KB page
    static constexpr int64_t kTileCells = kTileSide * kTileSide;

    // Tiles at the same distance from the diagonal (going right, round the ring) are neighbours.
    size_t Tile(int64_t row, int64_t col) const {
        const int64_t tileRow = row >> kTileShift;
        int64_t distance = (col >> kTileShift) - tileRow;
        if (distance < 0)
            distance += tilesPerSide_;
        return static_cast<size_t>(distance * tilesPerSide_ + tileRow);
    }
    static size_t CellIndex(size_t tile, int64_t row, int64_t col) {
        return tile * kTileCells +
               static_cast<size_t>((row & (kTileSide - 1)) * kTileSide + (col & (kTileSide - 1)));
    }
    size_t Index(int64_t row, int64_t col) const { return CellIndex(Tile(row, col), row, col); }
    Strip CommonStrip() const;

    int64_t side_;
    int64_t tilesPerSide_;
    uint32_t* cells_ = nullptr;
    std::vector<uint8_t> tileWritten_;
    std::vector<uint16_t> rowGeneration_;
    std::vector<uint16_t> colGeneration_;
    std::unordered_map<int64_t, int32_t> aside_;
};

// The same generations, with only the written cells and the cleared rows and columns stored.
class SparseScoreCells {
public:
    explicit SparseScoreCells(int64_t side) : side_(side) {}

    int32_t Read(int64_t row, int64_t col) const;
    void Write(int64_t row, int64_t col, int32_t score);
    void ClearRow(int64_t row) { ++rowGeneration_[row]; }
    void ClearColumn(int64_t col) { ++colGeneration_[col]; }
    void ClearAll();
    template <typename Visit> void ForEachBelowDepth(Visit visit) const {
        for (const auto& [index, cell] : cells_)
            if (cell.score == kBelowDepth && IsCurrent(cell, index / side_, index % side_))
                visit(index / side_, index % side_);
    }

private:
    struct Cell {
        int32_t score;
        uint32_t rowGeneration;
        uint32_t colGeneration;
    };
    using Generations = std::unordered_map<int64_t, uint32_t>;
    // The store drops its stale cells when it has grown past this many since the last sweep.
    static constexpr size_t kSweepMinimum = size_t{1} << 20;

    int64_t Index(int64_t row, int64_t col) const { return row * side_ + col; }
    static uint32_t Generation(const Generations& generations, int64_t index);
    bool IsCurrent(const Cell& cell, int64_t row, int64_t col) const;
    void Sweep();

    int64_t side_;
    std::unordered_map<int64_t, Cell> cells_;
    Generations rowGeneration_;
    Generations colGeneration_;
    size_t sweepAt_ = kSweepMinimum;
};

// One flat block for moderate sides, a map that grows with the pairs scored for huge ones.
class ScoreCells {
public:
    explicit ScoreCells(int64_t side);

    int32_t Read(int64_t row, int64_t col) const {
        return flat_ ? flat_->Read(row, col) : sparse_->Read(row, col);
    }
    void Write(int64_t row, int64_t col, int32_t score) {
        flat_ ? flat_->Write(row, col, score) : sparse_->Write(row, col, score);
    }
    // Null for the map, which has no strips.
    const FlatScoreCells* Flat() const { return flat_.get(); }
    void ClearRow(int64_t row) { flat_ ? flat_->ClearRow(row) : sparse_->ClearRow(row); }
    void ClearColumn(int64_t col) { flat_ ? flat_->ClearColumn(col) : sparse_->ClearColumn(col); }
    void ClearAll() { flat_ ? flat_->ClearAll() : sparse_->ClearAll(); }
    template <typename Visit> void ForEachBelowDepth(Visit visit) const {
        flat_ ? flat_->ForEachBelowDepth(visit) : sparse_->ForEachBelowDepth(visit);
    }

private:
    std::unique_ptr<FlatScoreCells> flat_;
    std::unique_ptr<SparseScoreCells> sparse_;
};

} // namespace tandem
