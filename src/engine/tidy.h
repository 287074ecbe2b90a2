// The passes that tidy the result lists at the end of a run.
#pragma once

#include "toolkit/stringlist.h"

namespace tandem {

// A whole-row mark that follows another mark of the same row replaces it.
void TidyMarks(StringList& marks);

// Adjacent blocks of the same sides merge; a block that starts at or before the one before it
// replaces that one, and is then compared with its new predecessor.
void TidyBlocks(StringList& blocks);

} // namespace tandem
