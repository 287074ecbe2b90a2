// What standard output is connected to: its width and whether it should get colours.
#pragma once

#include "commandline.h"

namespace tandem {

// The terminal's columns when standard output is one, else COLUMNS, else a default; always
// within the bounds of --width.
int OutputWidth();

bool ShouldColour(ColourWhen when);

} // namespace tandem
