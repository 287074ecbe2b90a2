// What tandemdiff was asked to do, read from its arguments in the manner of GNU tools.
#pragma once

#include "engine/comparison.h"

#include <array>
#include <optional>
#include <string>

namespace tandem {

// Below this the two text columns have no room left beside the row numbers and the gutter.
constexpr int kNarrowestWidth = 20;
// A sanity bound that keeps one output row within a few hundred kilobytes.
constexpr int kWidestWidth = 100000;
// Lines of context around each change of the unified output, as GNU diff has it.
constexpr int kDefaultContext = 3;

enum class ColourWhen { Auto, Always, Never };

enum class OutputStyle { SideBySide, Unified, Records };

struct CommandLine {
    CompareOptions options;
    int width = 0; // columns of the side-by-side view; 0 asks the terminal
    ColourWhen colour = ColourWhen::Auto;
    OutputStyle style = OutputStyle::SideBySide;
    bool brief = false;            // only say whether the files differ
    bool text = false;             // compare files with zero bytes as text
    int context = kDefaultContext; // unified output: unchanged lines around each change
    std::array<std::optional<std::string>, 2> labels; // unified output: names for the headers
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
