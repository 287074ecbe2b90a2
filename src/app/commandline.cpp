// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

namespace tandem {

CommandLineFiles FilesFromArguments(const QStringList& arguments) {
    CommandLineFiles files;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('/')) ||
            argument.startsWith(QLatin1Char('-')))
            continue;
        if (files.left)
            files.right = argument;
        else
            files.left = argument;
    }
    return files;
}

} // namespace tandem
