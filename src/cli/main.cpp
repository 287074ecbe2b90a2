// tandemdiff: compares two text files line by line with the Tandemview engine and prints the
// aligned rows side by side, a unified diff, or the result records with --records.
#include "commandline.h"
#include "engine/comparison.h"
#include "engine/normalise.h"
#include "glyph.h"
#include "readfile.h"
#include "records.h"
#include "rowguide.h"
#include "sidebyside.h"
#include "standardoutput.h"
#include "terminal.h"
#include "toolerror.h"
#include "toolkit/textencoding.h"
#include "toolkit/textlines.h"
#include "unified.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tandem {

namespace {

// Exit statuses as GNU diff has them.
constexpr int kSame = 0;
constexpr int kDifferent = 1;
constexpr int kTrouble = 2;

// Aligned rows are counted in 32-bit integers: both files' lines together must fit.
constexpr size_t kMostRows = INT32_MAX;

struct Inputs {
    InputContents left;
    InputContents right;
    bool shared = false; // "-" twice: standard input is read once and is both files

    const InputContents& Right() const { return shared ? left : right; }
};

Inputs ReadInputs(const CommandLine& command) {
    Inputs inputs;
    inputs.left = ReadInputFile(command.leftPath);
    inputs.shared = command.leftPath == "-" && command.rightPath == "-";
    if (!inputs.shared)
        inputs.right = ReadInputFile(command.rightPath);
    return inputs;
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

// The names the messages and headers use: the labels when given.
std::string NameOf(const CommandLine& command, Side side) {
    const std::optional<std::string>& label = command.labels[side];
    return label ? *label : side == kLeft ? command.leftPath : command.rightPath;
}

int ReportDifference(const CommandLine& command, const char* prefix) {
    StandardOutput out;
    out.Buffer() = prefix + ShownText(NameOf(command, kLeft)) + " and " +
                   ShownText(NameOf(command, kRight)) + " differ\n";
    out.Flush();
    return kDifferent;
}

void WriteView(const CommandLine& command, const ComparisonResult& result, const RowGuide& guide,
               const Inputs& inputs, StandardOutput& out) {
    switch (command.style) {
    case OutputStyle::Records:
        AppendRecords(result, out.Buffer());
        out.Flush();
        break;
    case OutputStyle::Unified: {
        const std::array<const InputContents*, 2> files = {&inputs.left, &inputs.Right()};
        std::array<UnifiedFile, 2> sides;
        for (Side side : {kLeft, kRight}) {
            sides[side].bytes = files[side]->bytes;
            sides[side].header = command.labels[side]
                                     ? *command.labels[side]
                                     : FileHeader(NameOf(command, side), files[side]->modified);
        }
        WriteUnified(result, sides, command.context, out);
        break;
    }
    case OutputStyle::SideBySide: {
        const int width = command.width > 0 ? command.width : OutputWidth();
        ViewSettings settings{width,
                              ShouldColour(command.colour),
                              command.options.colours,
                              {NameOf(command, kLeft), NameOf(command, kRight)}};
        SideBySide(result, guide, std::move(settings)).Write(out);
        break;
    }
    }
}

int CompareFiles(const CommandLine& command) {
    Inputs inputs = ReadInputs(command);
    FileText leftText = ReadFileText(inputs.left.bytes);
    FileText rightText = inputs.shared ? FileText{} : ReadFileText(inputs.right.bytes);
    if (!command.text && command.style != OutputStyle::Records &&
        (leftText.binary || rightText.binary)) {
        if (inputs.left.bytes == inputs.Right().bytes)
            return kSame;
        return ReportDifference(command, command.brief ? "Files " : "Binary files ");
    }
    // UTF-16 and UTF-32 files are compared, and shown, as their text in UTF-8.
    if (leftText.encoding != WideEncoding::None)
        inputs.left.bytes = std::move(leftText.wideText);
    if (rightText.encoding != WideEncoding::None)
        inputs.right.bytes = std::move(rightText.wideText);
    const std::string& leftBytes = inputs.left.bytes;
    const std::string& rightBytes = inputs.Right().bytes;
    std::vector<std::string_view> left = SplitLines(leftBytes).lines;
    std::vector<std::string_view> right = inputs.shared ? left : SplitLines(rightBytes).lines;
    if (left.size() + right.size() > kMostRows)
        throw ToolError(command.leftPath + ", " + command.rightPath +
                        ": too many lines together (the limit is 2147483647)");
    // The engine takes the line views over; the bytes stay here for as long as the result is used.
    const ComparisonResult result = Compare(std::move(left), std::move(right), command.options);
    const RowGuide guide(result);
    const bool differ = ComparisonFindsDifferences(result);
    if (command.brief)
        return differ ? ReportDifference(command, "Files ") : kSame;
    StandardOutput out;
    WriteView(command, result, guide, inputs, out);
    return differ ? kDifferent : kSame;
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

// One line on standard error; file names and values in it are shown as the view shows them.
void ReportTrouble(const char* message) {
    std::fprintf(stderr, "tandemdiff: %s\n", ShownText(message).c_str());
}

} // namespace

} // namespace tandem

namespace {

// A fresh page costs a fault, which on some machines takes longer than the work done in it.
// Blocks up to this size come from the heap, whose freed memory the next tables reuse, rather
// than from mappings of their own that go back to the system when freed.
void ReuseFreedMemory() {
#if defined(__GLIBC__)
    constexpr int kLargestHeapBlock = 32 << 20; // the most the allocator accepts
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kLargestHeapBlock);
#endif
}

} // namespace

int main(int argc, char** argv) {
    ReuseFreedMemory();
    try {
        return tandem::Run(argc, argv);
    } catch (const tandem::ToolError& error) {
        tandem::ReportTrouble(error.what());
    } catch (const std::bad_alloc&) {
        tandem::ReportTrouble("out of memory");
    }
    return tandem::kTrouble;
}
