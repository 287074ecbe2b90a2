// The state of one comparison run, shared by its stages: scoring (confirm.cpp), the search for the
// next synchronisation point (findsync.cpp), recording (emitters.cpp) and the row walk
// (alignment.cpp). It lives for one run.
#pragma once

#include "comparison.h"
#include "int32.h"
#include "linelist.h"
#include "scorehelpers.h"
#include "scorewindow.h"
#include "similarity.h"

#include <memory>
#include <string>
#include <string_view>

namespace tandem {

// What a confirmation answers: whether the line matches, the score it settled on, and how many
// extra lines of the other list were joined to make the match (0 when none).
struct Match {
    int32_t score = 0;
    int32_t joined = 0;
    bool accepted = false;
};

class AlignmentRun {
public:
    AlignmentRun(LineList& left, LineList& right, const CompareOptions& options,
                 ComparisonResult& result);

    // Walks the rows; false when the run was abandoned.
    bool WalkRows(ProgressSink* progress);

    // The score of line x of `list` against line y of the other list, through the score window;
    // kBelowDepth for a pair certain to score below Depth.
    int32_t PairScore(LineList& list, int64_t x, int64_t y) {
        const bool fromLeft = IsLeft(list);
        const int64_t row = fromLeft ? x : y;
        const int64_t col = fromLeft ? y : x;
        const int32_t cached = window_.Get(row, col);
        return cached != kNoScore ? cached : ScoreAndCache(row, col);
    }
    // The cached scores of line x of `list` against the other list's lines, for probes that go
    // along them; it holds while WindowRevision stays the same.
    ScoreWindow::Strip ScoresOf(const LineList& list, int64_t x) const {
        return IsLeft(list) ? window_.RowStrip(x) : window_.ColumnStrip(x);
    }
    uint64_t WindowRevision() const { return window_.Revision(); }
    // The pair's score if the window holds it, else kNoScore.
    int32_t CachedScore(const LineList& list, int64_t x, int64_t y) const {
        return IsLeft(list) ? window_.Get(x, y) : window_.Get(y, x);
    }
    // How the pair of line x of `list` and line y of the other list is to be scored.
    struct ScorePlan {
        std::string_view leftKey;
        std::string_view rightKey;
        int32_t depth = 0;
        int32_t known = kNoScore; // kBelowDepth when the byte profiles already tell
    };
    ScorePlan PlanScore(const LineList& list, int64_t x, int64_t y) {
        return IsLeft(list) ? PlanScore(x, y) : PlanScore(y, x);
    }
    // Caches a score worked out elsewhere from the pair's plan, as PairScore would have.
    int32_t CacheScore(const LineList& list, int64_t x, int64_t y, int32_t score) {
        IsLeft(list) ? window_.Put(x, y, score) : window_.Put(y, x, score);
        return score;
    }
    // The score of a pair whose plan needs the matcher.
    int32_t ScorePlanned(const ScorePlan& plan) const {
        return LineScoreFrom(plan.leftKey, plan.rightKey, plan.depth, cancel_);
    }
    // The threads that score pairs ahead of the search, or null when the run has none.
    ScoreHelpers* Helpers() { return helpers_.get(); }
    // As PairScore, with a pair below Depth scored exactly, as the lines it was scored for.
    int32_t ExactPairScore(LineList& list, int64_t x, int64_t y);
    // Whether line idx of X (with the given key) matches line b of Y, taking split lines and runs
    // of repeated lines into account.
    Match ConfirmMatch(std::string_view key, int idx, LineList& x, LineList& y, int b);
    // The same, given line b's key (not empty) and the pair's score through the window.
    Match ConfirmScored(std::string_view key, int idx, LineList& x, LineList& y, int b,
                        std::string_view target, int32_t first);

    // Records one row pair: a one-sided row when one text is empty, otherwise a changed row with
    // the span of its unequal middle.
    void EmitPair(int i, std::string_view leftText, int j, std::string_view rightText,
                  StringList& leftMarks, StringList& rightMarks);
    // Inserts filler lines into X so that the current line of X comes to face row t + n of Y.
    void EmitBlock(LineList& x, LineList& y, StringList& marksX, StringList& marksY,
                   std::string_view sideY, int n, int t, int& cursorY, int& cursorX);
    // Records rows first .. last, which only the longer side has after the walk, as one block:
    // filler rows on the shorter side facing lines of the longer side.
    void EmitUnmatchedEnd(int first, int last, bool leftIsLonger);

    bool IsLeft(const LineList& list) const { return &list == &left_; }
    LineList& Left() { return left_; }
    LineList& Right() { return right_; }
    int Depth() const { return depth_; }
    int Lookup() const { return lookup_; }
    // True when a score reaches Depth for refining a cost; a score of 0 never does, so no formula
    // divides by it when Depth is 0.
    bool ReachesDepth(int32_t s) const { return s >= depth_ && s > 0; }

private:
    // A line inserted into a list makes the window's rows (or columns) answer for the next index
    // without being scored again, so the one at the insertion answers for the line before it.
    // Of the rows behind the cursor only that one is ever read again; it is scored exactly from
    // then on, and its pairs below Depth are worked out from the key it inherited.
    struct InheritedScores {
        int64_t index = -1;
        std::string_view key;
    };

    InheritedScores& InheritedFor(const LineList& list) {
        return IsLeft(list) ? leftInherited_ : rightInherited_;
    }
    std::string_view ScoredKey(LineList& list, int64_t index);
    ScorePlan PlanScore(int64_t row, int64_t col);
    // Scores left line `row` against right line `col` and caches the score.
    int32_t ScoreAndCache(int64_t row, int64_t col);
    // Line `at` of the list is to hold other text; its cached pairs stay those of its old key.
    void ReplaceLine(LineList& list, int at, std::string_view text);
    // Gives the run helpers when it scores on more than one thread; their threads start with the
    // first batch handed to them.
    void StartHelpers(int threads);
    void StepRow(int& i, int& j);
    void SearchStep(int& i, int& j);
    void ShiftFor(LineList& list, int at);
    void AddMark(StringList& marks, int row, int32_t colour);
    void AddBlock(int first, int last, std::string_view sides);

    LineList& left_;
    LineList& right_;
    int depth_;
    int lookup_;
    int threads_;
    ScoreWindow window_;
    ComparisonResult& result_;
    // The progress sink's cancel flag, looked at inside long line scores; null without a sink.
    const std::atomic<bool>* cancel_ = nullptr;
    bool forceSearch_ = false;
    InheritedScores leftInherited_;
    InheritedScores rightInherited_;
    const MarkColours colours_;
    // Last, so that the helpers stop before anything they read goes.
    std::unique_ptr<ScoreHelpers> helpers_;
};

} // namespace tandem
