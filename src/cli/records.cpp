#include "records.h"

#include <string_view>
#include <vector>

namespace tandem {

namespace {

size_t WholeTextSize(const std::vector<std::string_view>& rows) {
    size_t size = 0;
    for (std::string_view row : rows)
        size += row.size() + 2;
    return size;
}

size_t ListSize(const StringList& list) {
    size_t size = 0;
    for (const std::string& record : list.Items())
        size += record.size() + 1;
    return size;
}

void AppendText(std::string_view label, const std::vector<std::string_view>& rows,
                std::string& out) {
    out += label;
    out += ' ';
    out += std::to_string(WholeTextSize(rows));
    out += '\n';
    for (std::string_view row : rows) {
        out += row;
        out += "\r\n";
    }
    out += '\n';
}

void AppendList(std::string_view label, const StringList& list, std::string& out) {
    out += label;
    out += ' ';
    out += std::to_string(list.Count());
    out += '\n';
    for (const std::string& record : list.Items()) {
        out += record;
        out += '\n';
    }
}

} // namespace

void AppendRecords(const ComparisonResult& result, std::string& out) {
    // Some room for the labels and counts; the rest is known exactly.
    constexpr size_t kLabelRoom = 128;
    const size_t records =
        ListSize(result.leftMarks) + ListSize(result.rightMarks) + ListSize(result.blocks);
    out.reserve(out.size() + WholeTextSize(result.left) + WholeTextSize(result.right) + records +
                kLabelRoom);
    AppendText("left-text", result.left, out);
    AppendText("right-text", result.right, out);
    AppendList("left-marks", result.leftMarks, out);
    AppendList("right-marks", result.rightMarks, out);
    AppendList("blocks", result.blocks, out);
}

} // namespace tandem
