// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programrefs.h"

namespace tandem {

ProgramRefs& Program() {
    static ProgramRefs references;
    return references;
}

QObject* StartupPlaceholder() {
    static QObject placeholder;
    return &placeholder;
}

} // namespace tandem
