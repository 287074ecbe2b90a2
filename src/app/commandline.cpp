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

CommandLineRequest ReadCommandLine(const QStringList& arguments) {
    CommandLineRequest request;
    bool version = false;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return {CommandLineAction::ShowHelp, {}};
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            version = true;
        else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1 &&
                 request.refused.isEmpty())
            request = {CommandLineAction::RefuseOption, argument};
    }
    if (version)
        return {CommandLineAction::ShowVersion, {}};
    return request;
}

QString UsageText() {
    return QStringLiteral(
        "Usage: tandemview [LEFT [RIGHT]]\n"
        "Compare two text files line by line in two panes side by side.\n"
        "\n"
        "Without files, the pair compared last is opened again. Further names replace the\n"
        "right file; empty arguments are skipped.\n"
        "\n"
        "  -h, --help      show this help and exit\n"
        "  -v, --version   show the version and exit\n"
        "  --              end of options\n");
}

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
