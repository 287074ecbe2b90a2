#include "sidebyside.h"

#include "engine/records.h"

#include <algorithm>

namespace tandem {

namespace {

// Between the two texts: a blank, the gutter character and a blank.
constexpr int kGutterWidth = 3;

char GutterFor(RowKind kind) {
    switch (kind) {
    case RowKind::Changed:
        return '|';
    case RowKind::LeftOnly:
        return '<';
    case RowKind::RightOnly:
        return '>';
    case RowKind::Equal:
        break;
    }
    return ' ';
}

// A file name too long for its column keeps its end, where the file's own name is.
std::string FitName(const std::string& name, int width) {
    constexpr std::string_view kCut = "...";
    const size_t room = static_cast<size_t>(width);
    if (name.size() <= room || room <= kCut.size())
        return name;
    size_t from = name.size() - (room - kCut.size());
    while (from < name.size() && (static_cast<unsigned char>(name[from]) & 0xC0) == 0x80)
        ++from; // not inside a UTF-8 sequence
    return std::string(kCut) + name.substr(from);
}

int DigitCount(int64_t number) {
    int digits = 1;
    while (number >= 10) {
        number /= 10;
        ++digits;
    }
    return digits;
}

} // namespace

SideBySide::SideBySide(const ComparisonResult& result, const RowGuide& guide, ViewSettings view)
    : result_(result), guide_(guide), settings_(std::move(view)), cells_(settings_.colour) {
    marks_ = {ReadMarks(result.leftMarks), ReadMarks(result.rightMarks)};
    numberWidth_ = DigitCount(static_cast<int64_t>(guide.RowCount()));
    const int fixed = 2 * (numberWidth_ + 1) + kGutterWidth;
    textWidth_ = std::max(1, (settings_.width - fixed) / 2);
}

// A record of two fields colours the whole row; any other is a span, as the panes read them.
// Marks come in row order; sorting keeps a faulty list from hiding later rows' marks.
std::vector<SideBySide::Mark> SideBySide::ReadMarks(const StringList& list) {
    std::vector<Mark> marks;
    marks.reserve(static_cast<size_t>(list.Count()));
    for (const std::string& text : list.Items()) {
        const MarkRecord record = MarkRecord::Read(text);
        if (record.row < 0)
            continue;
        Mark mark{static_cast<size_t>(record.row), record.wholeRow, {}};
        if (mark.whole)
            mark.span.colour = record.colour;
        else
            mark.span = {record.start, record.length, record.colour};
        marks.push_back(mark);
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.row < b.row; });
    return marks;
}

void SideBySide::Write(StandardOutput& out) {
    WriteHeading(out.Buffer());
    for (size_t row = 0; row < guide_.RowCount(); ++row) {
        WriteRow(row, out.Buffer());
        out.Drain();
    }
    out.Flush();
}

void SideBySide::WriteHeading(std::string& out) {
    const RowPaint plain;
    CellWriter names(false);
    out.append(static_cast<size_t>(numberWidth_ + 1), ' ');
    names.Write(FitName(settings_.names[kLeft], textWidth_), textWidth_, plain, true, out);
    out.append(static_cast<size_t>(kGutterWidth + numberWidth_ + 1), ' ');
    names.Write(FitName(settings_.names[kRight], textWidth_), textWidth_, plain, false, out);
    out += '\n';
}

void SideBySide::WriteRow(size_t row, std::string& out) {
    const bool rowHasMarks = HasMarks(kLeft, row) || HasMarks(kRight, row);
    const std::array<RowPaint, 2> paint = {PaintFor(kLeft, row, rowHasMarks),
                                           PaintFor(kRight, row, rowHasMarks)};
    const std::array<const std::vector<std::string_view>*, 2> rows = {&result_.left,
                                                                      &result_.right};
    for (Side side : {kLeft, kRight}) {
        const std::string_view text = row < rows[side]->size() ? (*rows[side])[row] : "";
        WriteNumber(guide_.LineNumber(side, row), out);
        out += ' ';
        const bool banded = settings_.colour && paint[side].band != RowPaint::kNone;
        const bool pad = side == kLeft || banded;
        cells_.Write(text, textWidth_, paint[side], pad, out);
        if (side == kLeft) {
            out += ' ';
            out += GutterFor(guide_.Kind(row));
            out += ' ';
        }
    }
    if (!settings_.colour) {
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
    }
    out += '\n';
}

bool SideBySide::HasMarks(Side side, size_t row) const {
    const std::vector<Mark>& marks = marks_[side];
    size_t next = nextMark_[side];
    return next < marks.size() && marks[next].row == row;
}

// Consumes the side's marks of this row. A row the engine left unrecorded although its line
// exists on one side only gets the colours a recorded one-sided row would have.
RowPaint SideBySide::PaintFor(Side side, size_t row, bool rowHasMarks) {
    RowPaint paint;
    const std::vector<Mark>& marks = marks_[side];
    size_t& next = nextMark_[side];
    while (next < marks.size() && marks[next].row < row)
        ++next;
    for (; next < marks.size() && marks[next].row == row; ++next) {
        if (marks[next].whole)
            paint.band = marks[next].span.colour;
        else
            paint.spans.push_back(marks[next].span);
    }
    const RowKind kind = guide_.Kind(row);
    if (!rowHasMarks && (kind == RowKind::LeftOnly || kind == RowKind::RightOnly)) {
        const bool filler = guide_.LineNumber(side, row) == 0;
        paint.band = filler ? settings_.colours.insert : settings_.colours.difference1;
    }
    return paint;
}

void SideBySide::WriteNumber(int32_t number, std::string& out) const {
    const std::string digits = number > 0 ? std::to_string(number) : std::string();
    if (digits.size() < static_cast<size_t>(numberWidth_))
        out.append(static_cast<size_t>(numberWidth_) - digits.size(), ' ');
    out += digits;
}

} // namespace tandem
