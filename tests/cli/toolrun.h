// Runs the built tandemdiff in a temporary folder of its own and captures what it printed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tandem {

// tandemdiff's exit statuses, as GNU diff has them.
inline constexpr int kSame = 0;
inline constexpr int kDifferent = 1;
inline constexpr int kTrouble = 2;

// The text's lines without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// What the run's process gets besides its arguments.
struct RunSetting {
    std::optional<std::string> input; // standard input's bytes; else the test's own
    size_t memoryLimit = 0;           // the process's address space limit in bytes; 0: none
};

struct ToolOutput {
    int status = -1;
    std::string out;
    std::string err;
};

class ToolRun {
public:
    ToolRun();
    ToolRun(const ToolRun&) = delete;
    ToolRun& operator=(const ToolRun&) = delete;
    ~ToolRun();

    // Writes a file in the temporary folder and returns its path.
    std::string File(const std::string& name, const std::string& bytes) const;
    std::string Folder() const { return folder_.string(); }
    // Runs tandemdiff with the arguments, standard output and error going to files.
    ToolOutput Run(const std::vector<std::string>& arguments, const RunSetting& setting = {}) const;

private:
    std::filesystem::path folder_;
};

} // namespace tandem
