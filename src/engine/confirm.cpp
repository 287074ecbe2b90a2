// Scoring pairs through the score window, and confirming a match found further on.
#include "alignmentrun.h"
#include "similarity.h"

#include <cassert>

namespace tandem {

AlignmentRun::ScorePlan AlignmentRun::PlanScore(int64_t row, int64_t col) {
    const bool exact = row == leftInherited_.index || col == rightInherited_.index;
    ScorePlan plan{left_.Key(static_cast<int>(row)), right_.Key(static_cast<int>(col)),
                   exact ? 0 : depth_, kNoScore};
    if (plan.depth > 0 && !plan.leftKey.empty() && !plan.rightKey.empty() &&
        plan.leftKey != plan.rightKey &&
        ProfilesScoreBelow(left_.Profile(static_cast<int>(row)),
                           right_.Profile(static_cast<int>(col)),
                           static_cast<int64_t>(plan.leftKey.size()),
                           static_cast<int64_t>(plan.rightKey.size()), plan.depth))
        plan.known = kBelowDepth;
    return plan;
}

int32_t AlignmentRun::ScoreAndCache(int64_t row, int64_t col) {
    const ScorePlan plan = PlanScore(row, col);
    const int32_t fresh = plan.known != kNoScore ? plan.known : ScorePlanned(plan);
    window_.Put(row, col, fresh);
    return fresh;
}

std::string_view AlignmentRun::ScoredKey(LineList& list, int64_t index) {
    const InheritedScores& inherited = InheritedFor(list);
    assert(index >= inherited.index);
    return index == inherited.index ? inherited.key : list.Key(static_cast<int>(index));
}

int32_t AlignmentRun::ExactPairScore(LineList& list, int64_t x, int64_t y) {
    const int32_t score = PairScore(list, x, y);
    if (score != kBelowDepth)
        return score;
    const bool fromLeft = IsLeft(list);
    return LineScore(ScoredKey(left_, fromLeft ? x : y), ScoredKey(right_, fromLeft ? y : x),
                     cancel_);
}

namespace {

// The score of two lines whose keys are equal.
constexpr int32_t kFullScore = 100;

// Y's lines b + joined, ... joined to t with single blanks, while t stays a prefix of the key,
// until the joined text equals the key. Returns 100 when it does.
int32_t JoinSplitLine(std::string_view key, LineList& y, int b, int32_t score, std::string& t,
                      int& joined) {
    while (score < kFullScore && key.starts_with(t) && y.Count() > b + joined) {
        std::string_view next = y.Key(b + joined);
        ++joined;
        if (!next.empty()) {
            t += ' ';
            t += next;
            score = key == t ? kFullScore : 0; // only a join equal to the key counts
        }
    }
    --joined;
    return score;
}

// The first non-empty key among lines from .. from + count - 1, or -1.
int FirstKeyedLine(LineList& list, int from, int count) {
    for (int line = from; line < from + count; ++line)
        if (!list.Key(line).empty())
            return line;
    return -1;
}

} // namespace

Match AlignmentRun::ConfirmMatch(std::string_view key, int idx, LineList& x, LineList& y, int b) {
    std::string_view target = y.Key(b);
    if (target.empty())
        return {0, 0, false};
    return ConfirmScored(key, idx, x, y, b, target, PairScore(x, idx, b));
}

Match AlignmentRun::ConfirmScored(std::string_view key, int idx, LineList& x, LineList& y, int b,
                                  std::string_view target, int32_t first) {
    int32_t score = first;

    // A line that the other file split into several lines matches their join.
    int joined = 1;
    std::string joinedTarget;
    if (key.starts_with(target)) {
        joinedTarget.assign(target);
        score = JoinSplitLine(key, y, b, score, joinedTarget, joined);
        target = joinedTarget;
        if (score < kFullScore) {
            joined = 0;
            score = first;
        }
    } else {
        joined = 0;
    }
    if (score < depth_)
        return {score, joined, false};

    // When Y repeats the matched line just below, the match holds only if X goes on alike.
    int nextInY = depth_ > 0 ? FirstKeyedLine(y, b + 1, depth_) : -1;
    if (nextInY < 0 || y.Key(nextInY) != target)
        return {score, joined, true};
    int nextInX = FirstKeyedLine(x, idx + 1, depth_);
    if (nextInX >= 0 && PairScore(x, nextInX, b) >= depth_)
        return {kFullScore, joined, true};
    return {0, joined, false};
}

} // namespace tandem
