// Reading a whole input file into memory, with failures reported by file name and reason.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

namespace tandem {

struct InputContents {
    std::string bytes;
    timespec modified{}; // the file's modification time; the time of reading for a pipe
};

// The most bytes one input file may have: what the engine can index, and no more than a share
// of the memory this process may use, so that both files and the comparison's work fit.
size_t LargestInputFile();

// The file's bytes, unchanged; "-" reads standard input. Throws ToolError for a missing,
// unreadable or oversized file and for a directory. Never holds more than the limit plus one byte.
InputContents ReadInputFile(const std::string& path);

} // namespace tandem
