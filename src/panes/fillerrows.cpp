// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/fillerrows.h"

#include "engine/comparison.h"

#include <algorithm>

namespace tandem {

void FillerRows::Assign(const std::vector<std::string_view>& rows) {
    fillers_.assign(rows.size(), false);
    for (size_t row = 0; row < rows.size(); ++row)
        fillers_[row] = IsFillerRow(rows[row]);
}

bool FillerRows::IsFiller(int row) const {
    return row >= 0 && size_t(row) < fillers_.size() && fillers_[size_t(row)];
}

bool FillerRows::Empty() const {
    return std::find(fillers_.begin(), fillers_.end(), true) == fillers_.end();
}

void FillerRows::Forget(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, int(fillers_.size()) - 1);
    for (int row = first; row <= last; ++row)
        fillers_[size_t(row)] = false;
}

void FillerRows::Mark(int row) {
    if (row < 0)
        return;
    if (size_t(row) >= fillers_.size())
        fillers_.resize(size_t(row) + 1, false);
    fillers_[size_t(row)] = true;
}

void FillerRows::RemoveRow(int row) {
    if (row >= 0 && size_t(row) < fillers_.size())
        fillers_.erase(fillers_.begin() + row);
}

std::vector<std::pair<int, int>> FillerRows::RunsFromBottom() const {
    std::vector<std::pair<int, int>> runs;
    for (int row = int(fillers_.size()) - 1; row >= 0;) {
        if (!fillers_[size_t(row)]) {
            --row;
            continue;
        }
        const int last = row;
        while (row >= 0 && fillers_[size_t(row)])
            --row;
        runs.emplace_back(row + 1, last);
    }
    return runs;
}

} // namespace tandem
