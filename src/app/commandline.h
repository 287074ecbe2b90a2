// SPDX-License-Identifier: GPL-3.0-or-later
// The command line carries only file names; anything that looks like a switch is skipped.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tandem {

struct CommandLineFiles {
    std::optional<QString> left;
    std::optional<QString> right;
};

// Walks arguments 1..n: empty ones and those starting with "/" or "-" are skipped; the first
// other one is the left file, the last of the further ones the right file.
CommandLineFiles FilesFromArguments(const QStringList& arguments);

} // namespace tandem
