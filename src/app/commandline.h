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

enum class CommandLineAction { Compare, ShowHelp, ShowVersion, RefuseOption };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Compare;
    QString refused; // the unknown option, for RefuseOption
};

// What the arguments ask for: --help or -h, --version or -v (help wins), else the first other
// argument that begins with "-" before a "--" is an unknown option, else a comparison. A lone
// "-" and everything after "--" are left to the file-name rules.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The text --help prints.
QString UsageText();

// Walks arguments 1..n: empty ones and those starting with "/" or "-" are skipped; the first
// other one is the left file, the last of the further ones the right file.
CommandLineFiles FilesFromArguments(const QStringList& arguments);

} // namespace tandem
