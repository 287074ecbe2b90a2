// The bounded, cost-driven search for the nearest row where the two files agree again after the
// current row. Each probe row c proposes left lines matching right lines further on and right
// lines matching left lines; a candidate's cost grows with its distance and imperfection, is
// refined by how well the lines after it keep agreeing, and the cheapest one is kept. The
// acceptance threshold falls with every accepted candidate, which cuts the later probes short.
#pragma once

#include "alignmentrun.h"

#include <cstring>
#include <limits>

namespace tandem {

class SyncSearch {
public:
    // k0 is the current row of both sides; limR and limL are the search limits, which the search
    // moves (the caller reads them back).
    SyncSearch(AlignmentRun& run, int k0, int64_t& limR, int64_t& limL);
    ~SyncSearch();
    SyncSearch(const SyncSearch&) = delete;
    SyncSearch& operator=(const SyncSearch&) = delete;

    // Sets A (a row of the right list) and B (a row of the left list) to the synchronisation point.
    void Find(int64_t& a, int64_t& b);

private:
    // The score of two lines whose keys are equal; scores are whole percentages up to it.
    static constexpr int32_t kFullScore = 100;
    struct Candidate {
        int64_t row = 0;
        int64_t leftPos = 0;
        int64_t rightPos = 0;
        int32_t score = 0;
        char side = 0; // 'l', 'r', or 0 before the first acceptance
    };

    // What the probes of one row go through: row c's two keys, how far each side has got, and
    // the cached scores along it. The positions and done flags are the members' copies while
    // the probes meet rejects, brought back to the members around each probe that goes further.
    struct ProbeRow {
        int64_t c = 0;
        std::string_view keyL;
        std::string_view keyR;
        int emptiesL = 0;
        int emptiesR = 0;
        int64_t lastProbe = 0;
        int32_t rowCostL = 0;
        int32_t rowCostR = 0;
        int32_t thresholdSeen = 0;
        int64_t costlyL = 0;
        int64_t costlyR = 0;
        int64_t pA = 0;
        int64_t pB = 0;
        bool doneL = false;
        bool doneR = false;
        // Taken again when a pair was scored or probed further, which may move the window.
        ScoreWindow::Strip scoresL;
        ScoreWindow::Strip scoresR;
        uint64_t revision = 0;
    };

    // One pass over the probe rows; true when the search was decided.
    bool Pass();
    // The probes of one row; true when the search was decided.
    bool ProbeAlong(ProbeRow& row);
    // How many steps from here probe only marked pairs on both sides, or kNoProbe when neither
    // side probes again in this row.
    int64_t MarkedSteps(const ProbeRow& row) const;
    // One side's probe at its position; true when it went further than the cache. Most probes
    // end here, at a known reject, which is then marked.
    bool ProbeAt(ProbeRow& row, bool fromLeft) {
        const int64_t p = fromLeft ? row.pA : row.pB;
        bool scored = false;
        if (MayConfirm(row, fromLeft, p, scored)) {
            ProbeFurther(row, fromLeft);
            return true;
        }
        // A pair scored just now may have moved the window, and the mark must go where it is.
        if (scored)
            FollowWindow(row);
        (fromLeft ? row.scoresL : row.scoresR).MarkReject(p);
        return false;
    }
    void ProbeFurther(ProbeRow& row, bool fromLeft);
    // Ends each side whose next probe would be too costly; true when both are ended.
    bool UpdateDone(ProbeRow& row) const;
    void Publish(const ProbeRow& row);
    void FollowWindow(ProbeRow& row);
    // Whether line c of x (with the given key) is confirmed at line p of y.
    bool Confirms(std::string_view key, int64_t c, LineList& x, LineList& y, int64_t p,
                  Match& match);
    // False when row c's line on one side is certain not to be confirmed at line p of the other:
    // most probes meet an empty line or a pair below Depth that cannot start a split line, known
    // from the cache. A pair not among the row's cached scores is scored, which may move the
    // window and sets `scored`.
    bool MayConfirm(ProbeRow& row, bool fromLeft, int64_t p, bool& scored) {
        const std::string_view target = (fromLeft ? right_ : left_).Key(static_cast<int>(p));
        if (target.empty())
            return false;
        int32_t score = (fromLeft ? row.scoresL : row.scoresR).Get(p);
        if (score == kNoScore) {
            score = helpers_ ? HelpedScore(row, fromLeft, p)
                             : run_.PairScore(fromLeft ? left_ : right_, row.c, p);
            scored = true;
        }
        return score >= run_.Depth() || MayStartSplitLine(fromLeft ? row.keyL : row.keyR, target);
    }
    // How far along a probe its pairs are looked at for the helpers: one word of `below` bits.
    static constexpr int64_t kAheadReach = 64;
    // The pairs one side's probes of a row have handed to the helpers, and those passed over as
    // certain to score below Depth, which are then cached without being looked at again.
    struct AheadBatch {
        ScoreHelpers::Batch* batch = nullptr;
        int64_t row = -1;
        uint32_t next = 0; // the first pair not yet taken
        int64_t from = 0;
        uint64_t below = 0; // bit i: the pair at from + i
        bool KnownBelow(int64_t p) const {
            const uint64_t at = static_cast<uint64_t>(p - from);
            return at < kAheadReach && (below >> at & 1) != 0;
        }
    };
    // PairScore for a probe, with the scores further along it worked out ahead by the helpers.
    int32_t HelpedScore(const ProbeRow& row, bool fromLeft, int64_t p);
    // Hands the pairs along the probe from p on that need the matcher to the helpers; false when
    // there are too few to be worth it or no batch is free.
    bool StartAhead(const ProbeRow& row, bool fromLeft, int64_t p,
                    const AlignmentRun::ScorePlan& plan, AheadBatch& ahead);
    void DropAhead(AheadBatch& ahead);
    static bool MayStartSplitLine(std::string_view key, std::string_view target) {
        return key.size() >= target.size() && key[0] == target[0] &&
               std::memcmp(key.data(), target.data(), target.size()) == 0;
    }
    bool ProbeLeft(int64_t c, std::string_view key, int emptiesL, int emptiesR);
    bool ProbeRight(int64_t c, std::string_view key, int emptiesL, int emptiesR);
    int32_t SyncCost(int64_t p, int32_t score, int empties, int64_t c) const;
    // The first probe position from which even a perfect match at row c costs at least the
    // threshold, worked out once instead of at every probe; kCheckEachProbe when the cost could
    // wrap within the probe range, which then asks SyncCost at each probe.
    static constexpr int64_t kCheckEachProbe = -1;
    int64_t FirstCostlyProbe(int empties, int64_t c, int64_t lastProbe) const;
    bool IsCostly(int64_t p, int64_t firstCostly, int empties, int64_t c) const {
        if (firstCostly == kCheckEachProbe)
            return SyncCost(p, kFullScore, empties, c) >= threshold_;
        return p >= firstCostly;
    }
    // The first position from p on where a side probes a pair not marked as going no further,
    // or kNoProbe when the side probes no more in this row (never: it is done, or its line is
    // empty).
    static constexpr int64_t kNoProbe = std::numeric_limits<int64_t>::max();
    static int64_t NextProbe(bool never, int64_t p, int64_t limit, int64_t firstCostly,
                             const ScoreWindow::Strip& scores);
    void VerifyRun(int32_t& cost, LineList& x, LineList& y, int emptiesOther, int emptiesOwn,
                   int64_t q, int64_t c);
    void Resync(LineList& x, int64_t& xRow, int32_t& r, int64_t& yRow);
    void SkipEmpty(LineList& x, LineList& y, int64_t& xRow, int64_t& yRow);
    void ConsiderCandidate(std::string_view key, char side, int64_t c, int32_t cost, int32_t score,
                           bool& exact, bool& done, int64_t refSum, int64_t p);
    int64_t RefSum(char side) const;

    AlignmentRun& run_;
    LineList& left_;
    LineList& right_;
    const int64_t k0_;
    int64_t& limR_;
    int64_t& limL_;
    int64_t limR0_;
    int64_t limL0_;
    int64_t dR_ = 0;
    int64_t dL_ = 0;
    int32_t threshold_ = 0; // T
    int32_t minWeight_ = 1;
    int32_t runWeight_ = 0;
    int found_ = 0;
    bool exactL_ = false;
    bool exactR_ = false;
    bool doneL_ = false;
    bool doneR_ = false;
    int64_t pA_;
    int64_t pB_;
    Candidate cand_;
    ScoreHelpers* helpers_;
    AheadBatch aheadL_;
    AheadBatch aheadR_;
};

} // namespace tandem
