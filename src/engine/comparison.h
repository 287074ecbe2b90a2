// The comparison engine's public face: two texts' lines and the options in, the aligned rows and
// the three result lists out, with a small progress interface in between. It knows nothing of
// windows, files or settings.
#pragma once

#include "toolkit/stringlist.h"

#include <atomic>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tandem {

// The four mark colours as RGB values 0x00BBGGRR, already resolved from the stored options.
struct MarkColours {
    int32_t insert = 14811135;      // filler rows opposite one-sided lines
    int32_t difference1 = 255;      // lines that exist on one side only
    int32_t difference2 = 191;      // the changed characters inside a changed row
    int32_t difference3 = 16711680; // whole rows present on both sides with unequal text
};

struct CompareOptions {
    int depth = 50;    // how similar (percent) two lines must be to count as one line changed
    int lookup = 2000; // how many lines ahead the search for the next matching line may go
    MarkColours colours;
    // How many threads score pairs: 1 scores on the run's own thread. Results are the same for
    // every count.
    int threads = 1;
};

// More scoring threads than this would only wait for each other.
constexpr int kMostScoringThreads = 64;

// The machine's cores, up to kMostScoringThreads; 1 where the count is unknown.
int MachineCores();

enum class ProgressVerdict {
    Continue,
    Cancel,  // end the run normally with what has been aligned so far
    Abandon, // return at once: the one waiting for the result is gone
};

// Told about every row the alignment reaches; a cancel is acted on at the start of the next row.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual ProgressVerdict ReportProgress(int position, int maximum) = 0;

    // Set from any thread to end the run as a Cancel verdict does. The engine also looks at it
    // every few thousand steps inside a line score, so that one long line cannot hold the run up;
    // the row whose score was cut short is then left unrecorded like the rows after it.
    std::atomic<bool> cancelRequested{false};
};

enum class RunEnding { Completed, Cancelled, Abandoned };

struct ComparisonResult {
    // The aligned rows, views into the caller's texts or empty filler rows; both sides have the
    // same number of rows, and row N of one side faces row N of the other.
    std::vector<std::string_view> left;
    std::vector<std::string_view> right;
    StringList leftMarks; // "row,colour" and "row,start,length,colour"
    StringList rightMarks;
    StringList blocks; // "first,last,sides" with sides "l", "r" or "lr"
    RunEnding ending = RunEnding::Completed;
};

// A filler row is an empty view of nothing, unlike an empty line of a file, which is an empty
// view into the file's text.
inline bool IsFillerRow(std::string_view row) {
    return row.data() == nullptr;
}

// Aligns two files' lines. The views must stay valid for as long as the result is used. An
// abandoned run returns nothing but its ending.
ComparisonResult Compare(std::vector<std::string_view> left, std::vector<std::string_view> right,
                         const CompareOptions& options, ProgressSink* progress = nullptr);

// Every row followed by CR LF, as a pane receives the aligned text.
std::string WholeText(const std::vector<std::string_view>& rows);

} // namespace tandem
