// The bounded, cost-driven search for the nearest row where the two files agree again after the
// current row. Each probe row c proposes left lines matching right lines further on and right
// lines matching left lines; a candidate's cost grows with its distance and imperfection, is
// refined by how well the lines after it keep agreeing, and the cheapest one is kept. The
// acceptance threshold falls with every accepted candidate, which cuts the later probes short.
#pragma once

#include "alignmentrun.h"

namespace tandem {

class SyncSearch {
public:
    // k0 is the current row of both sides; limR and limL are the search limits, which the search
    // moves (the caller reads them back).
    SyncSearch(AlignmentRun& run, int k0, int64_t& limR, int64_t& limL);

    // Sets A (a row of the right list) and B (a row of the left list) to the synchronisation point.
    void Find(int64_t& a, int64_t& b);

private:
    struct Candidate {
        int64_t row = 0;
        int64_t leftPos = 0;
        int64_t rightPos = 0;
        int32_t score = 0;
        char side = 0; // 'l', 'r', or 0 before the first acceptance
    };

    // One pass over the probe rows; true when the search was decided.
    bool Pass();
    // Whether line c of x (with the given key) is confirmed at line p of y.
    bool Confirms(std::string_view key, int64_t c, LineList& x, LineList& y, int64_t p,
                  Match& match);
    bool ProbeLeft(int64_t c, std::string_view key, int emptiesL, int emptiesR);
    bool ProbeRight(int64_t c, std::string_view key, int emptiesL, int emptiesR);
    int32_t SyncCost(int64_t p, int32_t score, int empties, int64_t c) const;
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
};

} // namespace tandem
