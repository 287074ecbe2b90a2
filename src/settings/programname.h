// SPDX-License-Identifier: GPL-3.0-or-later
// The name the program keeps its settings under, taken from the program file's name, so that a
// copy of the program under another name keeps settings of its own.
#pragma once

#include <string>
#include <string_view>

namespace tandem {

// The file-name part of path (after the last "/", "\" or ":"), at most its first 64 characters,
// cut before its first ".".
std::string ProgramNameFromPath(std::string_view path);

// The name of the running program file by that rule.
std::string ProgramName();

} // namespace tandem
