// The side-by-side view of a comparison for a terminal: each aligned row with both files' line
// numbers, a gutter saying what the row is, and the marks as colours.
#pragma once

#include "cellwriter.h"
#include "engine/comparison.h"
#include "rowguide.h"
#include "standardoutput.h"

#include <array>
#include <string>
#include <vector>

namespace tandem {

struct ViewSettings {
    int width = 0;                    // total columns of a row
    bool colour = false;              // write colour escapes
    MarkColours colours;              // to colour rows the engine left unrecorded
    std::array<std::string, 2> names; // the files, for the heading
};

class SideBySide {
public:
    SideBySide(const ComparisonResult& result, const RowGuide& guide, ViewSettings settings);
    void Write(StandardOutput& out);

private:
    struct Mark {
        size_t row = 0;
        bool whole = false;
        SpanPaint span;
    };

    static std::vector<Mark> ReadMarks(const StringList& list);
    RowPaint PaintFor(Side side, size_t row, bool rowHasMarks);
    bool HasMarks(Side side, size_t row) const;
    void WriteHeading(std::string& out);
    void WriteRow(size_t row, std::string& out);
    void WriteNumber(int32_t number, std::string& out) const;

    const ComparisonResult& result_;
    const RowGuide& guide_;
    ViewSettings settings_;
    std::array<std::vector<Mark>, 2> marks_;
    std::array<size_t, 2> nextMark_{};
    int numberWidth_ = 1;
    int textWidth_ = 1;
    CellWriter cells_;
};

} // namespace tandem
