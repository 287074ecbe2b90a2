// The byte-exact machine format of a comparison: both aligned texts, then the three result lists.
#pragma once

#include "engine/comparison.h"

#include <string>

namespace tandem {

// Appends "left-text N", the N bytes of the left rows each followed by CR LF and an LF, the same
// for the right, then "left-marks", "right-marks" and "blocks", each with its count and one
// record per line.
void AppendRecords(const ComparisonResult& result, std::string& out);

} // namespace tandem
