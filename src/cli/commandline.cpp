#include "commandline.h"

#include "toolerror.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <cstring>
#include <getopt.h>
#include <string_view>
#include <vector>

namespace tandem {

namespace {

// Depth is a percentage of similarity.
constexpr int64_t kDeepestDepth = 100;
// The engine counts rows in 32-bit integers, so no lookup or context can usefully go further.
constexpr int64_t kLongestLookup = INT32_MAX;
// Colours are RGB values 0x00BBGGRR; the platform's system colours have no meaning here.
constexpr int64_t kWhitestColour = 0xFFFFFF;

// Codes of the options that have no short form; above every character.
enum LongOnly : int {
    kDepth = UCHAR_MAX + 1,
    kLookup,
    kColours,
    kColourWhen,
    kRecords,
    kLabel,
    kThreads,
};

// Short options; the leading ':' makes getopt_long tell a missing value from an unknown option.
constexpr const char* kShortOptions = ":hvyqauU:W:";

const option kLongOptions[] = {
    {"depth", required_argument, nullptr, kDepth},
    {"lookup", required_argument, nullptr, kLookup},
    {"threads", required_argument, nullptr, kThreads},
    {"colors", required_argument, nullptr, kColours},
    {"colours", required_argument, nullptr, kColours},
    {"width", required_argument, nullptr, 'W'},
    {"color", optional_argument, nullptr, kColourWhen},
    {"colour", optional_argument, nullptr, kColourWhen},
    {"records", no_argument, nullptr, kRecords},
    {"side-by-side", no_argument, nullptr, 'y'},
    {"unified", optional_argument, nullptr, 'U'},
    {"brief", no_argument, nullptr, 'q'},
    {"text", no_argument, nullptr, 'a'},
    {"label", required_argument, nullptr, kLabel},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'v'},
    {nullptr, 0, nullptr, 0},
};

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

ColourWhen ParseColourWhen(std::string_view option, const char* text) {
    const std::string_view when = text ? text : "auto";
    if (when == "auto" || when == "tty" || when == "if-tty")
        return ColourWhen::Auto;
    if (when == "always" || when == "yes" || when == "force")
        return ColourWhen::Always;
    if (when == "never" || when == "no" || when == "none")
        return ColourWhen::Never;
    throw ToolError(std::string(option) + ": '" + std::string(when) +
                    "' is not one of auto, always, never");
}

// The long options whose names begin with the given text: one exact match, or every prefix match.
std::vector<const option*> MatchingOptions(std::string_view name) {
    std::vector<const option*> matches;
    for (const option* entry = kLongOptions; entry->name; ++entry) {
        if (entry->name == name)
            return {entry};
        if (std::string_view(entry->name).substr(0, name.size()) == name)
            matches.push_back(entry);
    }
    return matches;
}

const char* LongName(int code) {
    for (const option* entry = kLongOptions; entry->name; ++entry) {
        if (entry->val == code)
            return entry->name;
    }
    return nullptr;
}

class Parser {
public:
    Parser(int argc, const char* const* argv) {
        for (int i = 0; i < argc; ++i)
            storage_.emplace_back(argv[i]);
        for (std::string& argument : storage_)
            arguments_.push_back(argument.data());
        arguments_.push_back(nullptr);
    }

    CommandLine Parse() {
        const int count = static_cast<int>(storage_.size());
        line_.options.threads = MachineCores();
        opterr = 0; // the messages are made here, in one line each
        optind = 0; // start afresh
        while (true) {
            optarg = nullptr;
            const int code =
                getopt_long(count, arguments_.data(), kShortOptions, kLongOptions, nullptr);
            if (code == -1)
                break;
            Option(code);
        }
        if (!line_.help && !line_.version)
            TakeOperands(std::vector<std::string_view>(arguments_.begin() + optind,
                                                       arguments_.begin() + count));
        return line_;
    }

private:
    // The option as it was written: "--width" when given long, "-W" when given short.
    std::string Written(int code) const {
        const char* name = LongName(code);
        // A value given as the next argument puts the option itself one further back.
        const int at = optind - (optarg && optind > 1 && optarg == arguments_[optind - 1] ? 2 : 1);
        const bool typedLong = at > 0 && std::strncmp(arguments_[at], "--", 2) == 0;
        if (name && (typedLong || code > UCHAR_MAX))
            return std::string("--") + name;
        return std::string("-") + static_cast<char>(code);
    }

    void Option(int code) {
        switch (code) {
        case kDepth:
            line_.options.depth = static_cast<int>(Number(code, 0, kDeepestDepth));
            break;
        case kLookup:
            line_.options.lookup = static_cast<int>(Number(code, 0, kLongestLookup));
            break;
        case kThreads:
            line_.options.threads = static_cast<int>(Number(code, 1, kMostScoringThreads));
            break;
        case kColours:
            line_.options.colours = ParseColours(Written(code), optarg);
            break;
        case 'W':
            line_.width = static_cast<int>(Number(code, kNarrowestWidth, kWidestWidth));
            break;
        case kColourWhen:
            line_.colour = ParseColourWhen(Written(code), optarg);
            break;
        case kRecords:
            Style(OutputStyle::Records);
            break;
        case 'y':
            Style(OutputStyle::SideBySide);
            break;
        case 'u':
        case 'U':
            Style(OutputStyle::Unified);
            if (optarg)
                line_.context = static_cast<int>(Number(code, 0, kLongestLookup));
            break;
        case 'q':
            line_.brief = true;
            break;
        case 'a':
            line_.text = true;
            break;
        case kLabel:
            Label(optarg);
            break;
        case 'h':
            line_.help = true;
            break;
        case 'v':
            line_.version = true;
            break;
        case ':':
            throw ToolError(Written(optopt) + ": a value is missing");
        default:
            Refused();
        }
    }

    int64_t Number(int code, int64_t lowest, int64_t highest) const {
        return ParseWholeNumber(Written(code), optarg, lowest, highest);
    }

    // The side-by-side view, the unified output and the records exclude one another.
    void Style(OutputStyle style) {
        if (styleGiven_ && line_.style != style)
            throw ToolError("conflicting output styles (choose one of -y, -u and --records)");
        line_.style = style;
        styleGiven_ = true;
    }

    void Label(const char* label) {
        for (std::optional<std::string>& slot : line_.labels) {
            if (!slot) {
                slot = label;
                return;
            }
        }
        throw ToolError("--label: given more than twice (the left file's, then the right's)");
    }

    // getopt_long refused an option: say why, naming it as it was written.
    [[noreturn]] void Refused() const {
        if (optopt != 0 && optopt <= UCHAR_MAX &&
            (optopt == ':' || !std::strchr(kShortOptions + 1, optopt)))
            throw ToolError(std::string("-") + static_cast<char>(optopt) +
                            ": unknown option (see --help)");
        if (optopt != 0)
            throw ToolError(Written(optopt) + ": takes no value");
        const std::string_view written = arguments_[optind - 1];
        const std::string_view name = written.substr(2, written.find('=') - 2);
        const std::vector<const option*> matches = MatchingOptions(name);
        if (matches.size() < 2)
            throw ToolError("--" + std::string(name) + ": unknown option (see --help)");
        std::string candidates;
        for (const option* match : matches)
            candidates += std::string(candidates.empty() ? "" : ", ") + "--" + match->name;
        throw ToolError("--" + std::string(name) + ": ambiguous (" + candidates + ")");
    }

    void TakeOperands(const std::vector<std::string_view>& operands) {
        if (operands.size() < 2)
            throw ToolError("two files are needed, LEFT and RIGHT (see --help)");
        if (operands.size() > 2)
            throw ToolError("'" + std::string(operands[2]) + "': extra operand (two files only)");
        line_.leftPath = operands[0];
        line_.rightPath = operands[1];
    }

    std::vector<std::string> storage_; // getopt_long reorders the arguments, so they are copies
    std::vector<char*> arguments_;
    CommandLine line_;
    bool styleGiven_ = false;
};

} // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    return Parser(argc, argv).Parse();
}

std::string UsageText() {
    return "Usage: tandemdiff [OPTION]... LEFT RIGHT\n"
           "Compare two text files line by line and show them side by side.\n"
           "\n"
           "  --depth N            how similar, in percent, two lines must be to count as one\n"
           "                       changed line (0..100, default 50)\n"
           "  --lookup N           how many lines ahead the search for the next matching line\n"
           "                       may go (default 2000)\n"
           "  --threads N          how many threads score lines (1..64, default: the\n"
           "                       machine's cores); the output is the same for every N\n"
           "  --colors I,E,D,L     mark colours as decimal RGB values 0x00BBGGRR: filler rows,\n"
           "                       one-sided lines, changed characters, changed rows\n"
           "                       (default 14811135,255,191,16711680)\n"
           "  -y, --side-by-side   show the files side by side (the default)\n"
           "  -W, --width N        width of the side-by-side view (default: the terminal's)\n"
           "  --color[=WHEN]       colour the view: auto (default), always or never\n"
           "  -u, -U N, --unified[=N]\n"
           "                       print a unified diff with N lines of context (default 3)\n"
           "                       that patch applies to give the right file byte for byte\n"
           "  --label LABEL        a file's name in the unified headers (left, then right)\n"
           "  -q, --brief          only say whether the files differ\n"
           "  -a, --text           compare files with zero bytes as text too\n"
           "  --records            print the aligned texts and the result records instead\n"
           "  -h, --help           show this help and exit\n"
           "  -v, --version        show the version and exit\n"
           "  --                   end of options\n"
           "\n"
           "Long options may be shortened to any unique beginning. Lines end at CR LF, CR or LF.\n"
           "A file named - is read from standard input. A file with a zero byte in its first\n"
           "8 KiB is binary: only whether it differs is said, unless -a is given. UTF-16 and\n"
           "UTF-32 files with a byte-order mark are compared as their text.\n"
           "Exit status: 0 if the files are the same, 1 if they differ, 2 on trouble.\n";
}

} // namespace tandem
