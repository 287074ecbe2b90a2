// The unified diff of an aligned pair: rows that are not the same byte for byte, line ends
// included, are changes, so that patch turns the left file into the right one exactly.
#pragma once

#include "engine/comparison.h"
#include "standardoutput.h"

#include <array>
#include <string>
#include <string_view>

namespace tandem {

struct UnifiedFile {
    std::string_view bytes; // the whole file the rows are views into, for the line ends
    std::string header;     // what follows "--- " or "+++ ": the name and time, or a label
};

// The header of a file that has no label: its name, a tab and its time as GNU diff writes it.
std::string FileHeader(const std::string& name, const timespec& modified);

// Writes nothing when both files are the same byte for byte.
void WriteUnified(const ComparisonResult& result, const std::array<UnifiedFile, 2>& files,
                  int context, StandardOutput& out);

} // namespace tandem
