// Runs the built tandemdiff in a temporary folder of its own and captures what it printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tandem {

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
    ToolOutput Run(const std::vector<std::string>& arguments) const;

private:
    std::filesystem::path folder_;
};

} // namespace tandem
