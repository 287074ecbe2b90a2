#include "findsync.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tandem {

namespace {

// The first search window spans this many rows from the current row; a second pass widens it to
// the full lookup when the first decides nothing.
constexpr int64_t kFirstWindowRows = 40;
// Scales a candidate's cost (its distance and imperfection times the lines passed) before the
// score margin above Depth divides it, so that the division keeps its precision.
constexpr int32_t kCostScale = 51;
// Scores are percentages: a cost divided by a score is first scaled up by this much.
constexpr int32_t kPercent = 100;
// How strongly each agreeing pair after a candidate pulls a cost that has grown back to its start.
constexpr int32_t kRunPull = 200;
// A confirmed match and the pair after it count as a run of this many agreeing lines.
constexpr int32_t kFirstRunLength = 2;
// Added to the squared distance before the logarithm that bounds how many identical pairs a
// candidate's run is checked for, so that even a candidate at the current row is checked once.
constexpr int64_t kLeastReach = 2;
// A candidate's run is followed only while its cost stays below this many times the threshold.
constexpr int64_t kCostCeilingFactor = 2;
// How many probes ahead the cached scores are fetched, so that the memory has arrived by then.
constexpr int64_t kPrefetchDistance = 8;
// The fewest pairs worth handing to the helpers.
constexpr uint32_t kLeastAhead = 4;

bool ContainsKey(std::string_view outer, std::string_view inner) {
    return !outer.empty() && !inner.empty() && outer.find(inner) != std::string_view::npos;
}

} // namespace

SyncSearch::SyncSearch(AlignmentRun& run, int k0, int64_t& limR, int64_t& limL)
    : run_(run), left_(run.Left()), right_(run.Right()), k0_(k0), limR_(limR), limL_(limL),
      limR0_(limR), limL0_(limL), pA_(k0), pB_(k0), helpers_(run.Helpers()) {}

SyncSearch::~SyncSearch() {
    DropAhead(aheadL_);
    DropAhead(aheadR_);
}

void SyncSearch::Find(int64_t& a, int64_t& b) {
    limL_ = std::min(k0_ + kFirstWindowRows, limL0_);
    limR_ = std::min(k0_ + kFirstWindowRows, limR0_);
    dL_ = limL0_ - limL_;
    dR_ = limR0_ - limR_;
    threshold_ = Mul32(run_.Lookup(), run_.Lookup());
    cand_.leftPos = limL0_;
    cand_.rightPos = limR0_;

    bool decided = Pass();
    if (!decided) {
        limL_ += dL_;
        limR_ += dR_;
        decided = Pass();
        if (!decided) {
            limL_ += dL_;
            limR_ += dR_;
        }
    }

    if (found_ > 0) {
        // A best explanation that starts at a later row makes the current row a changed line.
        a = cand_.row == k0_ ? cand_.rightPos : right_.Count();
        b = cand_.row == k0_ ? cand_.leftPos : left_.Count();
    } else if (decided) {
        a = pA_;
        b = pB_;
    } else {
        a = limR_;
        b = limL_;
    }
}

bool SyncSearch::Pass() {
    int emptiesL = 0;
    int emptiesR = 0;
    const int64_t lastProbe = std::max(limR_, limL_) + 1;
    for (int64_t c = k0_; c < limR_ || c < limL_; ++c) {
        ProbeRow row;
        row.c = c;
        row.keyL = left_.Key(static_cast<int>(c));
        row.keyR = right_.Key(static_cast<int>(c));
        row.pA = c;
        row.pB = c;
        if (c == k0_ && !ContainsKey(row.keyL, row.keyR) && !ContainsKey(row.keyR, row.keyL)) {
            row.pA = c + 1;
            row.pB = c + 1;
        }
        emptiesL += row.keyL.empty();
        emptiesR += row.keyR.empty();
        row.emptiesL = emptiesL;
        row.emptiesR = emptiesR;
        row.lastProbe = lastProbe;
        // The cost of a perfect match at the probe row itself, which only the threshold is
        // compared with as the probes go on.
        row.rowCostL = SyncCost(c, kFullScore, emptiesL, c);
        row.rowCostR = SyncCost(c, kFullScore, emptiesR, c);
        row.thresholdSeen = threshold_;
        row.costlyL = FirstCostlyProbe(emptiesL, c, lastProbe);
        row.costlyR = FirstCostlyProbe(emptiesR, c, lastProbe);
        row.scoresL = run_.ScoresOf(left_, c);
        row.scoresR = run_.ScoresOf(right_, c);
        row.revision = run_.WindowRevision();
        const bool decided = ProbeAlong(row);
        Publish(row);
        if (decided)
            return true;
    }
    return false;
}

bool SyncSearch::ProbeAlong(ProbeRow& row) {
    // Only a probe that goes further can lower the threshold or find an exact match, so the
    // row's decision is looked at after the first step and after such probes.
    bool decide = true;
    while (row.pA < limR_ || row.pB < limL_) {
        if (!decide) {
            const int64_t steps = MarkedSteps(row);
            if (steps == kNoProbe)
                break;
            if (steps > 0) {
                row.pA += steps;
                row.pB += steps;
                if (UpdateDone(row))
                    break;
                continue;
            }
        }
        row.scoresL.Prefetch(row.pA + kPrefetchDistance);
        row.scoresR.Prefetch(row.pB + kPrefetchDistance);
        if (!row.doneL && !row.keyL.empty() && row.pA < limR_)
            decide |= ProbeAt(row, true);
        ++row.pA;
        if (!row.doneR && !row.keyR.empty() && row.pB < limL_)
            decide |= ProbeAt(row, false);
        ++row.pB;
        if (decide) {
            decide = false;
            if ((row.rowCostL >= threshold_ && row.rowCostR >= threshold_) || (exactL_ && exactR_))
                return true;
            if (threshold_ != row.thresholdSeen) {
                row.thresholdSeen = threshold_;
                row.costlyL = FirstCostlyProbe(row.emptiesL, row.c, row.lastProbe);
                row.costlyR = FirstCostlyProbe(row.emptiesR, row.c, row.lastProbe);
            }
        }
        if (UpdateDone(row))
            break;
    }
    return false;
}

int64_t SyncSearch::MarkedSteps(const ProbeRow& row) const {
    // Steps whose probes are all marked as going no further change nothing but the positions,
    // so they are passed over together.
    const int64_t nextL =
        NextProbe(row.doneL || row.keyL.empty(), row.pA, limR_, row.costlyL, row.scoresL);
    const int64_t nextR =
        NextProbe(row.doneR || row.keyR.empty(), row.pB, limL_, row.costlyR, row.scoresR);
    if (nextL == kNoProbe && nextR == kNoProbe)
        return kNoProbe;
    return std::min(nextL - row.pA, nextR - row.pB);
}

void SyncSearch::ProbeFurther(ProbeRow& row, bool fromLeft) {
    Publish(row);
    if (fromLeft)
        ProbeLeft(row.c, row.keyL, row.emptiesL, row.emptiesR);
    else
        ProbeRight(row.c, row.keyR, row.emptiesL, row.emptiesR);
    row.doneL = doneL_;
    row.doneR = doneR_;
    FollowWindow(row);
}

bool SyncSearch::UpdateDone(ProbeRow& row) const {
    if (!row.doneL && IsCostly(row.pA, row.costlyL, row.emptiesL, row.c))
        row.doneL = true;
    if (!row.doneR && IsCostly(row.pB, row.costlyR, row.emptiesR, row.c))
        row.doneR = true;
    return row.doneL && row.doneR;
}

void SyncSearch::Publish(const ProbeRow& row) {
    pA_ = row.pA;
    pB_ = row.pB;
    doneL_ = row.doneL;
    doneR_ = row.doneR;
}

void SyncSearch::FollowWindow(ProbeRow& row) {
    if (run_.WindowRevision() == row.revision)
        return;
    row.scoresL = run_.ScoresOf(left_, row.c);
    row.scoresR = run_.ScoresOf(right_, row.c);
    row.revision = run_.WindowRevision();
}

int32_t SyncSearch::HelpedScore(const ProbeRow& row, bool fromLeft, int64_t p) {
    LineList& x = fromLeft ? left_ : right_;
    const int32_t cached = run_.CachedScore(x, row.c, p);
    if (cached != kNoScore)
        return cached;
    AheadBatch& ahead = fromLeft ? aheadL_ : aheadR_;
    if (ahead.batch && ahead.row == row.c) {
        ScoreHelpers::Batch& batch = *ahead.batch;
        while (ahead.next < batch.Size() && batch.Position(ahead.next) < p)
            ++ahead.next;
        if (ahead.next < batch.Size() && batch.Position(ahead.next) == p) {
            helpers_->NoteScored(true);
            return run_.CacheScore(x, row.c, p, helpers_->Take(batch, ahead.next++));
        }
        if (ahead.KnownBelow(p)) {
            helpers_->NoteScored(false);
            return run_.CacheScore(x, row.c, p, kBelowDepth);
        }
    }
    const AlignmentRun::ScorePlan plan = run_.PlanScore(x, row.c, p);
    helpers_->NoteScored(plan.known == kNoScore);
    if (plan.known != kNoScore)
        return run_.CacheScore(x, row.c, p, plan.known);
    if (helpers_->HandingOverPays()) {
        DropAhead(ahead);
        if (StartAhead(row, fromLeft, p, plan, ahead))
            return run_.CacheScore(x, row.c, p, helpers_->Take(*ahead.batch, ahead.next++));
    }
    return run_.CacheScore(x, row.c, p, run_.ScorePlanned(plan));
}

bool SyncSearch::StartAhead(const ProbeRow& row, bool fromLeft, int64_t p,
                            const AlignmentRun::ScorePlan& plan, AheadBatch& ahead) {
    ScoreHelpers::Batch* batch = helpers_->FreeBatch();
    if (!batch)
        return false;
    LineList& x = fromLeft ? left_ : right_;
    LineList& y = fromLeft ? right_ : left_;
    batch->Add({plan.leftKey, plan.rightKey, plan.depth, p});
    const int64_t costly = fromLeft ? row.costlyL : row.costlyR;
    int64_t limit = std::min(fromLeft ? limR_ : limL_, p + kAheadReach);
    if (costly != kCheckEachProbe)
        limit = std::min(limit, costly);
    ahead.from = p;
    ahead.below = 0;
    for (int64_t q = p + 1; q < limit && !batch->Full(); ++q) {
        if (y.Key(static_cast<int>(q)).empty() || run_.CachedScore(x, row.c, q) != kNoScore)
            continue;
        const AlignmentRun::ScorePlan next = run_.PlanScore(x, row.c, q);
        if (next.known == kNoScore) {
            batch->Add({next.leftKey, next.rightKey, next.depth, q});
        } else {
            ahead.below |= uint64_t{1} << (q - p);
        }
    }
    if (batch->Size() < kLeastAhead) {
        helpers_->Drop(*batch);
        return false;
    }
    helpers_->Start(*batch);
    ahead.batch = batch;
    ahead.row = row.c;
    ahead.next = 0;
    return true;
}

void SyncSearch::DropAhead(AheadBatch& ahead) {
    if (ahead.batch)
        helpers_->Drop(*ahead.batch);
    ahead.batch = nullptr;
}

int64_t SyncSearch::NextProbe(bool never, int64_t p, int64_t limit, int64_t firstCostly,
                              const ScoreWindow::Strip& scores) {
    if (never || p >= limit)
        return kNoProbe;
    // Where each probe must be costed, or this one is already too costly, nothing is passed over.
    if (firstCostly == kCheckEachProbe || p >= firstCostly)
        return p;
    const int64_t end = std::min(limit, firstCostly);
    const int64_t next = scores.FirstUnmarked(p, end);
    return next >= end ? kNoProbe : next;
}

int64_t SyncSearch::FirstCostlyProbe(int empties, int64_t c, int64_t lastProbe) const {
    const int64_t passed = c - k0_ - empties + 1;
    const int64_t widest = lastProbe - k0_;
    if (passed < 0 || widest < 0 ||
        widest * passed * kCostScale > std::numeric_limits<int32_t>::max())
        return kCheckEachProbe;
    if (threshold_ <= 0)
        return k0_;
    if (passed == 0)
        return std::numeric_limits<int64_t>::max();
    // Without wrapping, distance * passed * scale / divisor >= T exactly when the product before
    // the division reaches T * divisor.
    const int64_t divisor = kFullScore - run_.Depth() + 1;
    const int64_t perDistance = passed * kCostScale;
    return k0_ + (int64_t{threshold_} * divisor + perDistance - 1) / perDistance;
}

// Most probes meet a pair below Depth whose key cannot be the start of a split line: that answer
// is known from the cached score without the whole confirmation.
bool SyncSearch::Confirms(std::string_view key, int64_t c, LineList& x, LineList& y, int64_t p,
                          Match& match) {
    const std::string_view target = y.Key(static_cast<int>(p));
    if (target.empty()) // an empty line confirms nothing
        return false;
    const int32_t first = run_.PairScore(x, c, p);
    if (first < run_.Depth() && !MayStartSplitLine(key, target))
        return false;
    match = run_.ConfirmScored(key, static_cast<int>(c), x, y, static_cast<int>(p), target, first);
    return match.accepted;
}

bool SyncSearch::ProbeLeft(int64_t c, std::string_view key, int emptiesL, int emptiesR) {
    Match match;
    if (!Confirms(key, c, left_, right_, pA_, match))
        return false;
    int32_t cost = SyncCost(pA_, match.score, emptiesL, c);
    if (Unsigned32(cost) < threshold_) {
        VerifyRun(cost, left_, right_, emptiesR, emptiesL, pA_ + match.joined, c);
        ConsiderCandidate(key, 'l', c, cost, match.score, exactL_, doneL_, RefSum('l'), pA_);
    } else {
        doneL_ = true;
    }
    return true;
}

bool SyncSearch::ProbeRight(int64_t c, std::string_view key, int emptiesL, int emptiesR) {
    Match match;
    if (!Confirms(key, c, right_, left_, pB_, match))
        return false;
    int32_t cost = SyncCost(pB_, match.score, emptiesR, c);
    if (Unsigned32(cost) < threshold_) {
        VerifyRun(cost, right_, left_, emptiesL, emptiesR, pB_ + match.joined, c);
        ConsiderCandidate(key, 'r', c, cost, match.score, exactR_, doneR_, RefSum('r'), pB_);
    } else {
        doneR_ = true;
    }
    return true;
}

int64_t SyncSearch::RefSum(char side) const {
    if (found_ == 0)
        return limL0_ + limR0_;
    return (side == 'l' ? cand_.leftPos : cand_.rightPos) + cand_.row;
}

int32_t SyncSearch::SyncCost(int64_t p, int32_t score, int empties, int64_t c) const {
    int32_t distance = Wrap32(p - k0_ + (kFullScore - score));
    int32_t passed = Wrap32(c - k0_ - empties + 1);
    int32_t divisor = score - run_.Depth() + 1;
    if (divisor == 0) // cannot happen: scores that reach here are at least Depth
        return std::numeric_limits<int32_t>::max();
    return Div32(Mul32(Mul32(distance, passed), kCostScale), divisor);
}

void SyncSearch::SkipEmpty(LineList& x, LineList& y, int64_t& xRow, int64_t& yRow) {
    while (xRow < x.Count() && x.Key(static_cast<int>(xRow)).empty())
        ++xRow;
    while (yRow < y.Count() && y.Key(static_cast<int>(yRow)).empty())
        ++yRow;
}

void SyncSearch::VerifyRun(int32_t& cost, LineList& x, LineList& y, int emptiesOther,
                           int emptiesOwn, int64_t q, int64_t c) {
    int64_t xRow = c + 1;
    int64_t yRow = q + 1;
    int32_t run = kFirstRunLength;
    runWeight_ = 0;
    const int32_t start = cost;
    // Lines passed on the probing side weigh quadratically in how far the run is checked.
    const int64_t passedOwn = c - k0_ - emptiesOwn;
    const int64_t reach = passedOwn * passedOwn + kLeastReach + (q - k0_ - emptiesOther);
    int32_t steps =
        reach >= 1 ? static_cast<int32_t>(std::bit_width(static_cast<uint64_t>(reach))) - 1 : 0;
    SkipEmpty(x, y, xRow, yRow);
    const int32_t lookup = run_.Lookup();
    while (steps > 0 && Unsigned32(cost) < kCostCeilingFactor * threshold_) {
        int32_t s = run_.PairScore(x, xRow, yRow);
        const int32_t span = Wrap32((xRow - c) + (yRow - q));
        if (run_.ReachesDepth(s)) {
            cost = Div32(Mul32(cost, kPercent), s);
            if (Unsigned32(cost) > Unsigned32(start))
                cost = Sub32(cost, Div32(Mul32(Div32(Sub32(cost, start), span), kRunPull), s));
            const int32_t keyLength = static_cast<int32_t>(x.Key(static_cast<int>(xRow)).size());
            runWeight_ = Add32(runWeight_, Div32(Mul32(keyLength, s), kPercent));
            ++run, ++xRow, ++yRow;
            SkipEmpty(x, y, xRow, yRow);
            if (s == kFullScore)
                --steps;
        } else {
            cost = Add32(cost, Div32(lookup, span / 2));
            int32_t r = run + 1;
            Resync(x, xRow, r, yRow);
            if (r > run) {
                cost = Add32(cost, Mul32(lookup, steps + 1));
                break;
            }
        }
    }
}

void SyncSearch::Resync(LineList& x, int64_t& xRow, int32_t& r, int64_t& yRow) {
    int64_t xFound = xRow + r;
    for (int64_t row = xRow; row < xRow + r; ++row) {
        if (run_.ReachesDepth(run_.PairScore(x, row, yRow))) {
            xFound = row;
            break;
        }
    }
    int64_t yFound = yRow + r;
    for (int64_t col = yRow; col < yRow + r; ++col) {
        if (run_.ReachesDepth(run_.PairScore(x, xRow, col))) {
            yFound = col;
            break;
        }
    }
    const int64_t dx = xFound - xRow;
    const int64_t dy = yFound - yRow;
    if (dx == r && dy == r) {
        ++xRow, ++yRow;
    } else if (dy < dx) {
        r = static_cast<int32_t>(dy);
        yRow = yFound;
    } else {
        r = static_cast<int32_t>(dx);
        xRow = xFound;
    }
}

void SyncSearch::ConsiderCandidate(std::string_view key, char side, int64_t c, int32_t cost,
                                   int32_t score, bool& exact, bool& done, int64_t refSum,
                                   int64_t p) {
    const int32_t weight = Add32(static_cast<int32_t>(key.size()), runWeight_);
    const int64_t threshold = threshold_;
    // A score of 0 (possible only at Depth 0) and an empty weight are refused: both divide here.
    if (score == 0 || weight == 0)
        return;
    const int64_t v =
        Div64(Div64(Mul64(Mul64(Unsigned32(cost), minWeight_), kPercent), weight), score);
    if (v >= threshold)
        return;
    const int32_t priority = Mul32(Mul32(weight, Wrap32(refSum - 2 * k0_)), score);
    const int64_t rival =
        threshold == 0
            ? 0
            : Div64(Mul64(Mul64(Mul64(p + c - 2 * k0_, cand_.score), Unsigned32(cost)), minWeight_),
                    threshold);
    if (rival >= priority) {
        if (side == cand_.side && cand_.score == kFullScore)
            done = true;
        return;
    }
    if (side != cand_.side && c > cand_.leftPos)
        return;
    cand_ = {c, pB_, pA_, score, side};
    ++found_;
    threshold_ = cost;
    minWeight_ = std::max<int32_t>(1, Div32(Mul32(weight, score), kPercent));
    exact = c > k0_ && score == kFullScore;
}

} // namespace tandem
