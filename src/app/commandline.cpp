// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

namespace tandem {

namespace {

// Switches begin with "-", and on Windows also with "/". Elsewhere "/" begins every absolute
// path, which must stay a file name.
bool IsSwitch(const QString& argument) {
#ifdef Q_OS_WIN
    if (argument.startsWith(QLatin1Char('/')))
        return true;
#endif
    return argument.startsWith(QLatin1Char('-'));
}

} // namespace

CommandLineFiles FilesFromArguments(const QStringList& arguments) {
    CommandLineFiles files;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument.isEmpty() || IsSwitch(argument))
            continue;
        if (files.left)
            files.right = argument;
        else
            files.left = argument;
    }
    return files;
}

} // namespace tandem
