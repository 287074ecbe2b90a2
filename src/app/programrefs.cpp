// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programrefs.h"

namespace tandem {

ProgramRefs& Program() {
    static ProgramRefs references;
    return references;
}

} // namespace tandem
