// The comparison run as a pipeline: load both sides, walk the rows (identical rows pass, similar
// rows become changed pairs, anything else goes to the search), equalise the lengths, tidy.
#include "alignmentrun.h"
#include "findsync.h"
#include "records.h"
#include "similarity.h"
#include "tidy.h"
#include "toolkit/fields.h"

#include <algorithm>

namespace tandem {

namespace {

constexpr int kDeepestDepth = 100;
// The search's first cost threshold is the lookup squared, a 32-bit number: 46340 is the largest
// lookup whose square fits, and a larger one is used as this.
constexpr int kLongestLookup = 46340;
// The score of two lines whose keys are equal.
constexpr int32_t kFullScore = 100;

} // namespace

AlignmentRun::AlignmentRun(LineList& left, LineList& right, const CompareOptions& options,
                           ComparisonResult& result)
    : left_(left), right_(right),
      // Depth divides costs by (score - Depth + 1), so it must stay within 0..100.
      depth_(std::clamp(options.depth, 0, kDeepestDepth)),
      lookup_(std::clamp(options.lookup, 0, kLongestLookup)), threads_(options.threads),
      window_(int64_t{lookup_} * 3 / 2), result_(result), colours_(options.colours) {}

void AlignmentRun::StartHelpers(int threads) {
    if (threads > 1)
        helpers_ =
            std::make_unique<ScoreHelpers>(std::min(threads, kMostScoringThreads) - 1, cancel_);
}

bool AlignmentRun::WalkRows(ProgressSink* progress) {
    int i = 0;
    int j = 0;
    bool cancelled = false;
    cancel_ = progress ? &progress->cancelRequested : nullptr;
    StartHelpers(threads_);
    while (i < left_.Count() && j < right_.Count() && !cancelled) {
        if (progress) {
            const int64_t leftPercent = int64_t{i} * 100 / left_.Count();
            const int64_t rightPercent = int64_t{j} * 100 / right_.Count();
            ProgressVerdict verdict = leftPercent > rightPercent
                                          ? progress->ReportProgress(i, left_.Count() - 1)
                                          : progress->ReportProgress(j, right_.Count() - 1);
            if (verdict == ProgressVerdict::Abandon)
                return false;
            cancelled = verdict == ProgressVerdict::Cancel ||
                        progress->cancelRequested.load(std::memory_order_relaxed);
        }
        try {
            StepRow(i, j);
        } catch (const ScoreCancelled&) {
            // A score cut short decides nothing: the row stays unrecorded and the run ends here.
            cancelled = true;
        }
    }
    result_.ending = cancelled ? RunEnding::Cancelled : RunEnding::Completed;
    return true;
}

void AlignmentRun::StepRow(int& i, int& j) {
    const int32_t score = PairScore(left_, i, j);
    if (score == kFullScore) {
        ++i, ++j;
    } else if (score > depth_ && !forceSearch_) {
        EmitPair(i, left_.Text(i), j, right_.Text(j), result_.leftMarks, result_.rightMarks);
        ++i, ++j;
    } else {
        SearchStep(i, j);
    }
}

void AlignmentRun::SearchStep(int& i, int& j) {
    forceSearch_ = false;
    int64_t a = j;
    int64_t b = i;
    int64_t limR = std::min<int64_t>(int64_t{j} + lookup_, right_.Count());
    int64_t limL = std::min<int64_t>(int64_t{i} + lookup_, left_.Count());
    SyncSearch(*this, i, limR, limL).Find(a, b);
    if (a >= limR && b >= limL) {
        a = right_.Count();
        b = left_.Count();
    }
    auto pairAndAdvance = [&] {
        EmitPair(i, left_.Text(i), j, right_.Text(j), result_.leftMarks, result_.rightMarks);
        ++i, ++j;
    };
    if (b == left_.Count() && a == right_.Count()) {
        pairAndAdvance();
        forceSearch_ = true;
        return;
    }
    // The current left line is found at right row a, or the current right line at left row b.
    const int targetRight = static_cast<int>(a);
    const int targetLeft = static_cast<int>(b);
    // The last accepted confirmation: how many lines of the other side it joined.
    int joined = 0;
    auto fillLeft = [&] {
        EmitBlock(left_, right_, result_.leftMarks, result_.rightMarks, kRightOnlySides, joined,
                  targetRight, j, i);
        if (joined > 0)
            ++i, ++j; // the last piece of a split line faces the line it came from
    };
    auto fillRight = [&] {
        EmitBlock(right_, left_, result_.rightMarks, result_.leftMarks, kLeftOnlySides, joined,
                  targetLeft, i, j);
        if (joined > 0)
            ++i, ++j;
    };
    auto accepted = [&](const Match& match) {
        if (match.accepted)
            joined = match.joined;
        return match.accepted;
    };
    auto leftMatches = [&] {
        return accepted(ConfirmMatch(left_.Key(i), i, left_, right_, targetRight));
    };
    auto rightMatches = [&] {
        return accepted(ConfirmMatch(right_.Key(j), j, right_, left_, targetLeft));
    };

    if (a < b && leftMatches()) {
        a > i ? fillLeft() : pairAndAdvance();
    } else if (b < a && rightMatches()) {
        b + joined > j ? fillRight() : pairAndAdvance();
    } else if (leftMatches()) {
        a + joined > i ? fillLeft() : pairAndAdvance();
    } else if (rightMatches()) {
        b > j ? fillRight() : pairAndAdvance();
    } else {
        ++i, ++j;
    }
}

ComparisonResult Compare(std::vector<std::string_view> left, std::vector<std::string_view> right,
                         const CompareOptions& options, ProgressSink* progress) {
    ComparisonResult result;
    LineList leftList(left);
    LineList rightList(right);
    left = {};
    right = {};
    AlignmentRun run(leftList, rightList, options, result);
    if (!run.WalkRows(progress)) {
        ComparisonResult abandoned;
        abandoned.ending = RunEnding::Abandoned;
        return abandoned;
    }
    // The shorter side is filled up with empty rows. After a completed walk the lines facing them
    // are one block of lines on the longer side only; after a cancel they stay unmarked like
    // every row after the cursor.
    const int shorterCount = std::min(leftList.Count(), rightList.Count());
    const int longerCount = std::max(leftList.Count(), rightList.Count());
    if (result.ending == RunEnding::Completed && shorterCount < longerCount)
        run.EmitUnmatchedEnd(shorterCount, longerCount - 1, leftList.Count() > rightList.Count());
    while (leftList.Count() < rightList.Count())
        leftList.Append({});
    while (rightList.Count() < leftList.Count())
        rightList.Append({});
    result.left = leftList.Lines();
    result.right = rightList.Lines();
    TidyMarks(result.leftMarks);
    TidyMarks(result.rightMarks);
    TidyBlocks(result.blocks);
    return result;
}

std::string WholeText(const std::vector<std::string_view>& rows) {
    size_t size = 0;
    for (std::string_view row : rows)
        size += row.size() + 2;
    std::string text;
    text.reserve(size);
    for (std::string_view row : rows) {
        text += row;
        text += "\r\n";
    }
    return text;
}

} // namespace tandem
