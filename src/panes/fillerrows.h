// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows of one pane are filler rows that the comparison inserted, so that saving can take
// exactly those out again, whether or not their colour was ever drawn. Edits keep it in step:
// lines written over fillers stop being fillers, deleted lines leave the record.
#pragma once

#include <string_view>
#include <vector>

namespace tandem {

class FillerRows {
public:
    // Filler rows are the engine's rows that belong to no file.
    void Assign(const std::vector<std::string_view>& rows);
    void Clear() { fillers_.clear(); }
    bool IsFiller(int row) const;
    bool Empty() const;
    // Rows first..last now hold lines of the file.
    void Forget(int first, int last);
    // Row now stands for no line of the file, like the rows the comparison inserted.
    void Mark(int row);
    // Row was deleted from the pane; the rows after it move up.
    void RemoveRow(int row);
    // The filler rows as runs of rows, last run first, so deleting them in order keeps the
    // earlier rows' numbers valid.
    std::vector<std::pair<int, int>> RunsFromBottom() const;

private:
    std::vector<bool> fillers_;
};

} // namespace tandem
