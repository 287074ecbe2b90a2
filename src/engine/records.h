// The result records as values. The result lists keep each record as text ("first,last,sides"
// for a block, "row,colour" or "row,start,length,colour" for a mark); these read and write one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tandem {

// Which panes a difference block takes part in, as its third field spells it.
inline constexpr std::string_view kLeftOnlySides = "l";
inline constexpr std::string_view kRightOnlySides = "r";
inline constexpr std::string_view kBothSides = "lr";

struct BlockRecord {
    int32_t first = 0;
    int32_t last = 0;
    std::string sides; // kLeftOnlySides, kRightOnlySides or kBothSides

    static BlockRecord Read(std::string_view record);
    std::string Text() const;
    bool HasLeft() const { return sides.find('l') != std::string::npos; }
    bool HasRight() const { return sides.find('r') != std::string::npos; }
};

struct MarkRecord {
    int32_t row = 0;
    bool wholeRow = true; // colours the whole row; otherwise `length` bytes from byte `start`
    int32_t start = 0;
    int32_t length = 0;
    int32_t colour = 0;

    static MarkRecord Read(std::string_view record);
    static MarkRecord WholeRow(int32_t row, int32_t colour) { return {row, true, 0, 0, colour}; }
    static MarkRecord Span(int32_t row, int32_t start, int32_t length, int32_t colour) {
        return {row, false, start, length, colour};
    }
    std::string Text() const;
};

// The row of either kind of record: its first field.
int32_t RecordRow(std::string_view record);

// The record with `row` for its first field and the rest of its text unchanged.
std::string WithRow(std::string_view record, int64_t row);

} // namespace tandem
