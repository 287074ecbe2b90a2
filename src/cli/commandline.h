// What tandemdiff was asked to do, read from its arguments in the manner of GNU tools.
#pragma once

#include "engine/comparison.h"

#include <string>

namespace tandem {

enum class ColourWhen { Auto, Always, Never };

struct CommandLine {
    CompareOptions options;
    int width = 0; // columns of the side-by-side view; 0 asks the terminal
    ColourWhen colour = ColourWhen::Auto;
    bool records = false;
    bool help = false;
    bool version = false;
    std::string leftPath;
    std::string rightPath;
};

// Throws ToolError naming the option or operand at fault.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// The text --help prints.
std::string UsageText();

} // namespace tandem
