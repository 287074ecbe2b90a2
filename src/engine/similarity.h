// How similar two lines' keys are, as a whole percentage: the characters matched from the front and
// the back, then, in the unmatched middles, runs matched by skipping ahead to the nearer re-match.
// Characters are compared as bytes.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string_view>

namespace tandem {

// Sets score to 0..100 and answers whether it is 100 (the two texts are equal).
bool LineScore(std::string_view a, std::string_view b, int32_t& score);
int32_t LineScore(std::string_view a, std::string_view b);

// Thrown out of a score whose cancel flag was seen set; the score is then unknown.
struct ScoreCancelled {};

// As above, looking at the flag (when given) every few thousand matcher steps.
int32_t LineScore(std::string_view a, std::string_view b, const std::atomic<bool>* cancel);

// As above when the score reaches `depth`; when it is certain not to, the score is not worked out
// to the end and the answer is kBelowDepth (from scorecells.h) instead. Depth 0 always scores.
int32_t LineScoreFrom(std::string_view a, std::string_view b, int32_t depth,
                      const std::atomic<bool>* cancel);

// How many bytes of each kind a text holds (letters by case, digits in pairs, other bytes in a few
// groups), counted up to 255: a cheap upper bound on what two texts can match.
struct ByteProfile {
    static constexpr size_t kKinds =
        64; // a multiple of 16, so that the bound is a few vector steps
    std::array<uint8_t, kKinds> counts{};
    bool saturated = false; // some kind holds more than 255 bytes, so the counts bound nothing
};
ByteProfile ProfileOf(std::string_view text);
// True when texts of these lengths with these profiles certainly score below depth.
bool ProfilesScoreBelow(const ByteProfile& a, const ByteProfile& b, int64_t lengthA,
                        int64_t lengthB, int32_t depth);

// The number of matched characters of two texts.
int64_t MatchCount(std::string_view a, std::string_view b,
                   const std::atomic<bool>* cancel = nullptr);

// The matches found in two unmatched middles; pieces left over at the end are not compared.
int64_t SkipMatch(std::string_view a, std::string_view b,
                  const std::atomic<bool>* cancel = nullptr);

} // namespace tandem
