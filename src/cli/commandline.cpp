#include "commandline.h"

#include "toolerror.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tandem {

namespace {

// Depth is a percentage of similarity.
constexpr int64_t kDeepestDepth = 100;
// The engine counts rows in 32-bit integers, so no lookup can usefully go further.
constexpr int64_t kLongestLookup = INT32_MAX;
// Below this the two text columns have no room left beside the row numbers and the gutter.
constexpr int64_t kNarrowestWidth = 20;
// A sanity bound that keeps one output row within a few hundred kilobytes.
constexpr int64_t kWidestWidth = 100000;
// Colours are RGB values 0x00BBGGRR; the platform's system colours have no meaning here.
constexpr int64_t kWhitestColour = 0xFFFFFF;

struct Argument {
    std::string_view name;                 // "--depth"
    std::optional<std::string_view> value; // the text after "=", if any
};

Argument SplitArgument(std::string_view argument) {
    size_t equals = argument.find('=');
    if (equals == std::string_view::npos)
        return {argument, std::nullopt};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

int64_t ParseWholeNumber(std::string_view option, std::string_view text, int64_t lowest,
                         int64_t highest) {
    int64_t number = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || stop != end || error != std::errc() || number < lowest || number > highest)
        throw ToolError(std::string(option) + ": '" + std::string(text) +
                        "' is not a whole number from " + std::to_string(lowest) + " to " +
                        std::to_string(highest));
    return number;
}

MarkColours ParseColours(std::string_view option, std::string_view text) {
    std::vector<int32_t> values;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string_view piece = text.substr(start, comma - start);
        values.push_back(static_cast<int32_t>(ParseWholeNumber(option, piece, 0, kWhitestColour)));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (values.size() != 4)
        throw ToolError(std::string(option) + ": '" + std::string(text) +
                        "' is not four colours I,E,D,L");
    return {values[0], values[1], values[2], values[3]};
}

ColourWhen ParseColourWhen(std::string_view option, std::optional<std::string_view> text) {
    if (!text || *text == "auto" || *text == "tty" || *text == "if-tty")
        return ColourWhen::Auto;
    if (*text == "always" || *text == "yes" || *text == "force")
        return ColourWhen::Always;
    if (*text == "never" || *text == "no" || *text == "none")
        return ColourWhen::Never;
    throw ToolError(std::string(option) + ": '" + std::string(*text) +
                    "' is not one of auto, always, never");
}

class Parser {
public:
    Parser(int argc, const char* const* argv) : arguments_(argv + 1, argv + argc) {}

    CommandLine Parse() {
        std::vector<std::string_view> operands;
        bool optionsEnded = false;
        while (next_ < arguments_.size()) {
            std::string_view argument = arguments_[next_++];
            if (optionsEnded || argument.size() < 2 || argument[0] != '-')
                operands.push_back(argument);
            else if (argument == "--")
                optionsEnded = true;
            else
                Option(argument);
        }
        if (!line_.help && !line_.version)
            TakeOperands(operands);
        return line_;
    }

private:
    void Option(std::string_view argument) {
        Argument option = SplitArgument(argument);
        std::string_view name = option.name;
        if (name == "--depth")
            line_.options.depth =
                static_cast<int>(ParseWholeNumber(name, Value(option), 0, kDeepestDepth));
        else if (name == "--lookup")
            line_.options.lookup =
                static_cast<int>(ParseWholeNumber(name, Value(option), 0, kLongestLookup));
        else if (name == "--colors" || name == "--colours")
            line_.options.colours = ParseColours(name, Value(option));
        else if (name == "--width")
            line_.width = static_cast<int>(
                ParseWholeNumber(name, Value(option), kNarrowestWidth, kWidestWidth));
        else if (name == "--color" || name == "--colour")
            line_.colour = ParseColourWhen(name, option.value);
        else if (name == "--records")
            line_.records = Flag(option);
        else if (name == "--help")
            line_.help = Flag(option);
        else if (name == "--version")
            line_.version = Flag(option);
        else
            throw ToolError(std::string(name) + ": unknown option (see --help)");
    }

    // The value after "=" or else the next argument, as GNU tools take it.
    std::string_view Value(const Argument& option) {
        if (option.value)
            return *option.value;
        if (next_ >= arguments_.size())
            throw ToolError(std::string(option.name) + ": a value is missing");
        return arguments_[next_++];
    }

    static bool Flag(const Argument& option) {
        if (option.value)
            throw ToolError(std::string(option.name) + ": takes no value");
        return true;
    }

    void TakeOperands(const std::vector<std::string_view>& operands) {
        if (operands.size() < 2)
            throw ToolError("two files are needed, LEFT and RIGHT (see --help)");
        if (operands.size() > 2)
            throw ToolError("'" + std::string(operands[2]) + "': extra operand (two files only)");
        line_.leftPath = operands[0];
        line_.rightPath = operands[1];
    }

    std::vector<std::string_view> arguments_;
    size_t next_ = 0;
    CommandLine line_;
};

} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    return Parser(argc, argv).Parse();
}

std::string UsageText() {
    return "Usage: tandemdiff [OPTION]... LEFT RIGHT\n"
           "Compare two text files line by line and show them side by side.\n"
           "\n"
           "  --depth N          how similar, in percent, two lines must be to count as one\n"
           "                     changed line (0..100, default 50)\n"
           "  --lookup N         how many lines ahead the search for the next matching line\n"
           "                     may go (default 2000)\n"
           "  --colors I,E,D,L   mark colours as decimal RGB values 0x00BBGGRR: filler rows,\n"
           "                     one-sided lines, changed characters, changed rows\n"
           "                     (default 14811135,255,191,16711680)\n"
           "  --width N          width of the side-by-side view (default: the terminal's)\n"
           "  --color[=WHEN]     colour the output: auto (default), always or never\n"
           "  --records          print the aligned texts and the result records instead\n"
           "  --help             show this help and exit\n"
           "  --version          show the version and exit\n"
           "  --                 end of options\n"
           "\n"
           "Lines end at CR LF, CR or LF. A file named - is read from standard input.\n"
           "Exit status: 0 if the files are the same, 1 if they differ, 2 on trouble.\n";
}

} // namespace tandem
