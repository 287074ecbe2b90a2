// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/programname.h"

#include <QCoreApplication>

namespace tandem {

namespace {

// The longest file-name part that is kept whole.
constexpr std::size_t kMaxNameLength = 64;

} // namespace

std::string ProgramNameFromPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\:");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    name = name.substr(0, kMaxNameLength);
    return std::string(name.substr(0, name.find('.')));
}

std::string ProgramName() {
    return ProgramNameFromPath(QCoreApplication::applicationFilePath().toStdString());
}

} // namespace tandem
