// tandemdiff: compares two text files line by line with the Tandemview engine and prints the
// aligned rows side by side, or the result records with --records.
#include "commandline.h"
#include "engine/comparison.h"
#include "engine/normalise.h"
#include "readfile.h"
#include "records.h"
#include "rowguide.h"
#include "sidebyside.h"
#include "standardoutput.h"
#include "terminal.h"
#include "toolerror.h"
#include "toolkit/textlines.h"

#include <climits>
#include <cstdio>
#include <new>

namespace tandem {

namespace {

// Exit statuses as GNU diff has them.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

// Aligned rows are counted in 32-bit integers: both files' lines together must fit.
constexpr size_t kMostRows = INT32_MAX;

struct InputFile {
    std::string bytes;
    std::vector<std::string_view> lines; // views into bytes
};

InputFile Load(const std::string& path) {
    InputFile file{ReadWholeFile(path), {}};
    file.lines = SplitLines(file.bytes).lines;
    return file;
}

// The files differ when the comparison recorded a block, or when it let a row pair with unequal
// keys pass unrecorded (a stale score at a small lookup can do that).
bool ComparisonFindsDifferences(const ComparisonResult& result) {
    if (result.blocks.Count() > 0)
        return true;
    for (size_t row = 0; row < result.left.size() && row < result.right.size(); ++row) {
        if (result.left[row] != result.right[row] &&
            NormaliseLine(result.left[row], true) != NormaliseLine(result.right[row], true))
            return true;
    }
    return false;
}

int CompareFiles(const CommandLine& command) {
    InputFile left = Load(command.leftPath);
    InputFile right = Load(command.rightPath);
    if (left.lines.size() + right.lines.size() > kMostRows)
        throw ToolError(command.leftPath + ", " + command.rightPath +
                        ": too many lines together (the limit is 2147483647)");
    // The engine takes the line views over; the bytes stay here for as long as the result is used.
    ComparisonResult result =
        Compare(std::move(left.lines), std::move(right.lines), command.options);
    const RowGuide guide(result);

    StandardOutput out;
    if (command.records) {
        AppendRecords(result, out.Buffer());
        out.Flush();
    } else {
        const int width = command.width > 0 ? command.width : OutputWidth();
        ViewSettings settings{width,
                              ShouldColour(command.colour),
                              command.options.colours,
                              {command.leftPath, command.rightPath}};
        SideBySide(result, guide, std::move(settings)).Write(out);
    }
    return ComparisonFindsDifferences(result) ? kDifferent : kSame;
}

int Run(int argc, const char* const* argv) {
    const CommandLine command = ParseCommandLine(argc, argv);
    StandardOutput out;
    if (command.help || command.version) {
        out.Buffer() = command.help ? UsageText() : "tandemdiff (Tandemview) " TANDEM_VERSION "\n";
        out.Flush();
        return kSame;
    }
    return CompareFiles(command);
}

} // namespace

} // namespace tandem

int main(int argc, char** argv) {
    try {
        return tandem::Run(argc, argv);
    } catch (const tandem::ToolError& error) {
        std::fprintf(stderr, "tandemdiff: %s\n", error.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "tandemdiff: out of memory\n");
    }
    return tandem::kTrouble;
}
