// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a pane's bytes to its file so that the file is either the old one or the new one,
// even in a folder the user may not write to, and stays the same file for its other names.
#pragma once

#include <QString>
#include <string>

namespace tandem {

// Replaces the file's contents by bytes. Normally a new file is written beside it and put in
// its place, with the old file's permissions and, where the process may, owner and group. A
// file with several hard links, or in a folder where no file can be made, is written in place
// so every name sees the change. False with the reason for the user on failure.
bool WriteFileBytes(const QString& path, const std::string& bytes, QString* reason);

} // namespace tandem
