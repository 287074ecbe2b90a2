// How similar two lines' keys are, as a whole percentage: the characters matched from the front and
// the back, then, in the unmatched middles, runs matched by skipping ahead to the nearer re-match.
// Characters are compared as bytes.
#pragma once

#include <cstdint>
#include <string_view>

namespace tandem {

// Sets score to 0..100 and answers whether it is 100 (the two texts are equal).
bool LineScore(std::string_view a, std::string_view b, int32_t& score);
int32_t LineScore(std::string_view a, std::string_view b);

// The number of matched characters of two texts.
int64_t MatchCount(std::string_view a, std::string_view b);

// The matches found in two unmatched middles; pieces left over at the end are not compared.
int64_t SkipMatch(std::string_view a, std::string_view b);

} // namespace tandem
