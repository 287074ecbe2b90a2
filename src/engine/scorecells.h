// Storage of the score window's cells by physical position. Clearing a whole physical row or column
// must be cheap: the window clears one of each for every row the alignment passes.
#pragma once

#include <cstdint>
#include <memory>

namespace tandem {

class ScoreCells {
public:
    virtual ~ScoreCells() = default;
    // The stored score, or -1.
    virtual int32_t Read(int64_t row, int64_t col) const = 0;
    virtual void Write(int64_t row, int64_t col, int32_t score) = 0;
    virtual void ClearRow(int64_t row) = 0;
    virtual void ClearColumn(int64_t col) = 0;
    virtual void ClearAll() = 0;

    // One flat block for moderate sides, a map that grows with the pairs scored for huge ones.
    static std::unique_ptr<ScoreCells> Make(int64_t side);
};

} // namespace tandem
