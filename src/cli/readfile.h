// Reading a whole input file into memory, with failures reported by file name and reason.
#pragma once

#include <string>

namespace tandem {

// The file's bytes, unchanged; "-" reads standard input. Throws ToolError for a missing,
// unreadable or oversized file and for a directory.
std::string ReadWholeFile(const std::string& path);

} // namespace tandem
