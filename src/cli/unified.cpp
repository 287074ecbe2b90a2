#include "unified.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace tandem {

namespace {

constexpr std::string_view kNoNewline = "\n\\ No newline at end of file\n";

// A run of rows that makes whole lines as patch sees them (ended by LF) on both sides: either
// one line that is the same on both sides, or a change with any number of lines on each side.
struct Unit {
    bool change = false;
    std::array<std::string_view, 2> bytes; // each side's lines with their line ends
    std::array<size_t, 2> lines{};         // each side's lines as patch counts them
};

size_t PatchLineCount(std::string_view bytes) {
    const size_t feeds = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return feeds + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

// The row with the line end that follows it in the file; the row is a view into the file.
std::string_view WithLineEnd(std::string_view row, std::string_view file) {
    const size_t begin = static_cast<size_t>(row.data() - file.data());
    size_t end = begin + row.size();
    if (end < file.size() && file[end] == '\r')
        ++end;
    if (end < file.size() && file[end] == '\n')
        ++end; // a lone LF, or the LF of CR LF
    return file.substr(begin, end - begin);
}

// Cuts the aligned rows into units. A lone CR ends a row but not a line for patch, so a unit
// closes only where both sides stand at the end of a line; a unit with any row that is not the
// same in bytes on both sides is a change. Neighbouring changes make one.
class UnitBuilder {
public:
    explicit UnitBuilder(const std::array<UnifiedFile, 2>& files) : files_(files) {}

    void Add(std::array<std::string_view, 2> rows) {
        std::array<std::string_view, 2> full;
        for (size_t side = 0; side < 2; ++side) {
            if (IsFillerRow(rows[side]))
                continue;
            full[side] = WithLineEnd(rows[side], files_[side].bytes);
            Extend(side, full[side]);
            open_[side] = !full[side].empty() && full[side].back() == '\r';
        }
        const bool same = !IsFillerRow(rows[0]) && !IsFillerRow(rows[1]) && full[0] == full[1];
        pendingChange_ = pendingChange_ || !same;
        if (!open_[0] && !open_[1])
            Close();
    }

    std::vector<Unit> Finish() {
        Close();
        return std::move(units_);
    }

private:
    void Extend(size_t side, std::string_view bytes) {
        std::string_view& pending = pending_[side];
        pending = pending.empty() ? bytes
                                  : std::string_view(pending.data(), pending.size() + bytes.size());
    }

    void Close() {
        if (pending_[0].empty() && pending_[1].empty())
            return;
        if (pendingChange_ && !units_.empty() && units_.back().change) {
            Unit& last = units_.back();
            for (size_t side = 0; side < 2; ++side) {
                if (last.bytes[side].empty())
                    last.bytes[side] = pending_[side];
                else if (!pending_[side].empty())
                    last.bytes[side] = std::string_view(
                        last.bytes[side].data(), last.bytes[side].size() + pending_[side].size());
                last.lines[side] = PatchLineCount(last.bytes[side]);
            }
        } else {
            units_.push_back({pendingChange_,
                              pending_,
                              {PatchLineCount(pending_[0]), PatchLineCount(pending_[1])}});
        }
        pending_ = {};
        pendingChange_ = false;
    }

    const std::array<UnifiedFile, 2>& files_;
    std::vector<Unit> units_;
    std::array<std::string_view, 2> pending_;
    std::array<bool, 2> open_{};
    bool pendingChange_ = false;
};

// Each line of the bytes with the mark before it; a last line without LF gets the notice.
void AppendLines(char mark, std::string_view bytes, std::string& out) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t feed = bytes.find('\n', start);
        out += mark;
        if (feed == std::string_view::npos) {
            out += bytes.substr(start);
            out += kNoNewline;
            return;
        }
        out += bytes.substr(start, feed + 1 - start);
        start = feed + 1;
    }
}

// "-first,count" as GNU diff writes a range: no count when it is 1; an empty range names the
// line before it.
std::string Range(size_t first, size_t count) {
    if (count == 1)
        return std::to_string(first);
    return std::to_string(count == 0 ? first - 1 : first) + "," + std::to_string(count);
}

class HunkWriter {
public:
    HunkWriter(const std::vector<Unit>& units, size_t context) : units_(units), context_(context) {
        starts_.assign(units.size() + 1, {});
        for (size_t i = 0; i < units.size(); ++i) {
            for (size_t side = 0; side < 2; ++side)
                starts_[i + 1][side] = starts_[i][side] + units[i].lines[side];
        }
    }

    void Write(StandardOutput& out) {
        size_t next = 0;
        while ((next = NextChange(next)) < units_.size()) {
            size_t last = next;
            for (size_t following = NextChange(last + 1);
                 following < units_.size() && following - last - 1 <= 2 * context_;
                 following = NextChange(last + 1))
                last = following;
            const size_t first = next - std::min(next, context_);
            const size_t end = std::min(units_.size(), last + 1 + context_);
            WriteHunk(first, end, out.Buffer());
            out.Drain();
            next = last + 1;
        }
    }

private:
    size_t NextChange(size_t from) const {
        while (from < units_.size() && !units_[from].change)
            ++from;
        return from;
    }

    void WriteHunk(size_t first, size_t end, std::string& out) const {
        out += "@@ -";
        out += Range(starts_[first][0] + 1, starts_[end][0] - starts_[first][0]);
        out += " +";
        out += Range(starts_[first][1] + 1, starts_[end][1] - starts_[first][1]);
        out += " @@\n";
        for (size_t i = first; i < end; ++i) {
            const Unit& unit = units_[i];
            if (!unit.change) {
                AppendLines(' ', unit.bytes[0], out);
                continue;
            }
            AppendLines('-', unit.bytes[0], out);
            AppendLines('+', unit.bytes[1], out);
        }
    }

    const std::vector<Unit>& units_;
    size_t context_;
    std::vector<std::array<size_t, 2>> starts_; // lines of each side before each unit
};

} // namespace

std::string FileHeader(const std::string& name, const timespec& modified) {
    tm local{};
    const time_t seconds = modified.tv_sec;
    localtime_r(&seconds, &local);
    char stamp[64];
    char zone[16];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::strftime(zone, sizeof zone, "%z", &local);
    char fraction[16];
    std::snprintf(fraction, sizeof fraction, ".%09ld ", static_cast<long>(modified.tv_nsec));
    return name + "\t" + stamp + fraction + zone;
}

void WriteUnified(const ComparisonResult& result, const std::array<UnifiedFile, 2>& files,
                  int context, StandardOutput& out) {
    UnitBuilder builder(files);
    const size_t rows = std::max(result.left.size(), result.right.size());
    for (size_t row = 0; row < rows; ++row) {
        builder.Add({row < result.left.size() ? result.left[row] : std::string_view(),
                     row < result.right.size() ? result.right[row] : std::string_view()});
    }
    const std::vector<Unit> units = builder.Finish();
    if (std::none_of(units.begin(), units.end(), [](const Unit& unit) { return unit.change; }))
        return;
    out.Buffer() += "--- " + files[0].header + "\n+++ " + files[1].header + "\n";
    HunkWriter(units, static_cast<size_t>(context)).Write(out);
    out.Flush();
}

} // namespace tandem
