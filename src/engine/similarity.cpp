#include "similarity.h"

#include "scorecells.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <string>
#include <vector>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

namespace tandem {

namespace {

// A pending piece: the bytes skipped over on one side, gathered in a buffer that is kept between
// calls and has room at its end for whole 16-byte copies, since most skips are a few bytes long.
class Piece {
public:
    // Empties the piece for texts of up to `most` bytes.
    void Start(size_t most) {
        size_ = 0;
        if (buffer_.size() < most + kCopyBytes)
            buffer_.resize(most + kCopyBytes);
    }
    void Clear() { size_ = 0; }
    bool Empty() const { return size_ == 0; }
    size_t Size() const { return size_; }
    std::string_view View() const { return {buffer_.data(), size_}; }
    void Append(std::string_view text, size_t from, size_t count) {
        char* to = buffer_.data() + size_;
        const char* source = text.data() + from;
#if defined(__SSE2__) || defined(_M_X64)
        if (count <= kCopyBytes && text.size() - from >= kCopyBytes)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(source)));
        else
#endif
            std::memcpy(to, source, count);
        size_ += count;
    }

private:
    static constexpr size_t kCopyBytes = 16;
    std::string buffer_;
    size_t size_ = 0;
};

// Pending pieces of each recursion depth, kept between calls so that scoring allocates nothing
// once the deepest level has been reached. A deque keeps the upper levels in place while it grows.
struct Pieces {
    Piece left;
    Piece right;
};
thread_local std::deque<Pieces> piecesByDepth;

// The matcher looks at the cancel flag once in this many steps (a power of two): often enough to
// stop within microseconds, rarely enough that the atomic read costs nothing measurable.
constexpr uint32_t kStepsPerCancelCheck = 4096;

// Counts the matcher's steps and throws ScoreCancelled when the flag is found set.
class CancelCheck {
public:
    explicit CancelCheck(const std::atomic<bool>* flag) : flag_(flag) {}
    void Step() {
        if (flag_ && (++steps_ & (kStepsPerCancelCheck - 1)) == 0 &&
            flag_->load(std::memory_order_relaxed))
            throw ScoreCancelled{};
    }

private:
    const std::atomic<bool>* flag_;
    uint32_t steps_ = 0;
};

// Texts at least this long get a table of where each byte value last occurs, so that a search for
// a byte that does not occur further on is answered without scanning; shorter texts scan faster
// than the table fills.
constexpr size_t kIndexedLength = 256;

// Where each byte value occurs last in a text (-1 when nowhere), for texts worth indexing.
class LastPositions {
public:
    explicit LastPositions(std::string_view text) : indexed_(text.size() >= kIndexedLength) {
        if (!indexed_)
            return;
        last_.fill(-1);
        for (size_t position = 0; position < text.size(); ++position)
            last_[static_cast<unsigned char>(text[position])] = static_cast<int64_t>(position);
    }
    // False only when c certainly does not occur after position `after`.
    bool MayOccurAfter(char c, int64_t after) const {
        return !indexed_ || last_[static_cast<unsigned char>(c)] > after;
    }

private:
    bool indexed_;
    std::array<int64_t, 256> last_;
};

// The 0-based position of the first c in text after `after` and not beyond `through`, or
// `missing`.
int64_t FindAfter(std::string_view text, const LastPositions& last, int64_t after, int64_t through,
                  char c, int64_t missing) {
    const int64_t from = after + 1;
    const int64_t end = std::min(through + 1, static_cast<int64_t>(text.size()));
    if (from >= end || !last.MayOccurAfter(c, after))
        return missing;
    const void* found = std::memchr(text.data() + from, c, static_cast<size_t>(end - from));
    return found ? static_cast<const char*>(found) - text.data() : missing;
}

// `need` is how many matches the caller still needs from these texts (0: no limit); the outermost
// level gives up, answering -1, once even matching every character left could not reach it.
int64_t SkipMatchAt(std::string_view a, std::string_view b, size_t depth, CancelCheck& check,
                    int64_t need = 0) {
    if (a.empty() || b.empty())
        return 0;
    // One character matches once when the other text holds it anywhere; the skipping below would
    // come to the same answer by way of a piece it never compares.
    if (a.size() == 1 || b.size() == 1) {
        if (need > 1)
            return -1;
        const std::string_view single = a.size() == 1 ? a : b;
        const std::string_view other = a.size() == 1 ? b : a;
        return std::memchr(other.data(), single[0], other.size()) ? 1 : 0;
    }
    if (piecesByDepth.size() <= depth)
        piecesByDepth.resize(depth + 1);
    Pieces& pieces = piecesByDepth[depth];
    pieces.left.Start(a.size());
    pieces.right.Start(b.size());
    const int64_t lengthA = static_cast<int64_t>(a.size());
    const int64_t lengthB = static_cast<int64_t>(b.size());
    const LastPositions lastInA(a);
    const LastPositions lastInB(b);
    // A position that is not found counts as len(a) + len(b) (1-based), so the found one is nearer.
    const int64_t notFound = lengthA + lengthB - 1;
    auto compareAndEmpty = [&] {
        int64_t matched = SkipMatchAt(pieces.left.View(), pieces.right.View(), depth + 1, check);
        pieces.left.Clear();
        pieces.right.Clear();
        return matched;
    };
    int64_t matched = 0;
    int64_t i = 0;
    int64_t j = 0;
    while (i < lengthA && j < lengthB) {
        check.Step();
        if (need > 0 && matched + std::min<int64_t>(pieces.left.Size() + (lengthA - i),
                                                    pieces.right.Size() + (lengthB - j)) <
                            need)
            return -1;
        if (a[static_cast<size_t>(i)] == b[static_cast<size_t>(j)]) {
            ++matched, ++i, ++j;
            continue;
        }
        int64_t nextA = FindAfter(a, lastInA, i, lengthA, b[static_cast<size_t>(j)], lengthA);
        // A re-match in b further on than the one in a only decides that a moves alone, so b is
        // searched no further than that.
        const int64_t throughB = nextA == lengthA ? lengthB : j + (nextA - i);
        int64_t nextB = FindAfter(b, lastInB, j, throughB, a[static_cast<size_t>(i)], lengthB);
        if (nextA == lengthA && nextB == lengthB) {
            ++i, ++j;
            continue;
        }
        if (nextA == lengthA)
            nextA = notFound;
        if (nextB == lengthB)
            nextB = notFound;
        int64_t distanceA = nextA - i;
        int64_t distanceB = nextB - j;
        if (distanceA <= distanceB) {
            pieces.left.Append(a, static_cast<size_t>(i), static_cast<size_t>(distanceA));
            i = nextA;
        }
        if (distanceB <= distanceA) {
            pieces.right.Append(b, static_cast<size_t>(j), static_cast<size_t>(distanceB));
            j = nextB;
        }
        if (!pieces.left.Empty() && !pieces.right.Empty())
            matched += compareAndEmpty();
    }
    return matched;
}

} // namespace

int64_t SkipMatch(std::string_view a, std::string_view b, const std::atomic<bool>* cancel) {
    CancelCheck check(cancel);
    return SkipMatchAt(a, b, 0, check);
}

namespace {

// The most characters two texts can match: each match pairs equal bytes, one from each text.
int64_t EqualBytesBound(std::string_view a, std::string_view b) {
    std::array<int32_t, 256> surplus{};
    for (unsigned char c : a)
        ++surplus[c];
    for (unsigned char c : b)
        --surplus[c];
    int64_t unpaired = 0;
    for (int32_t count : surplus)
        unpaired += count < 0 ? -count : count;
    return (static_cast<int64_t>(a.size() + b.size()) - unpaired) / 2;
}

// Middles shorter than this are matched at once: counting their bytes would cost as much, and
// the line profiles have bounded them already.
constexpr size_t kBoundedMiddle = 200;

// Texts are scored for a depth only after their byte profiles have bounded them, nearly as well as
// whole byte counts would; only a kind counting past 255 leaves a profile bounding nothing, so
// counting the middles' bytes again pays for long texts alone.
bool MayOutgrowProfile(std::string_view a, std::string_view b) {
    return std::max(a.size(), b.size()) > std::numeric_limits<uint8_t>::max();
}

// The matched characters of two texts, or -1 when there are certainly fewer than `need` (0: no
// limit).
int64_t MatchCountAtLeast(std::string_view a, std::string_view b, int64_t need,
                          const std::atomic<bool>* cancel) {
    if (a.empty() || b.empty())
        return need > 0 ? -1 : 0;
    CancelCheck check(cancel);
    int64_t matched = 0;
    int64_t front = 0;
    int64_t backA = static_cast<int64_t>(a.size()) - 1;
    int64_t backB = static_cast<int64_t>(b.size()) - 1;
    while (front <= backA && front <= backB) {
        check.Step();
        if (a[static_cast<size_t>(front)] == b[static_cast<size_t>(front)]) {
            ++matched, ++front;
        } else if (a[static_cast<size_t>(backA)] == b[static_cast<size_t>(backB)]) {
            ++matched, --backA, --backB;
        } else {
            // A middle of at most one character on either side is not examined.
            if (backA <= front || front >= backB)
                return matched < need ? -1 : matched;
            std::string_view middleA =
                a.substr(static_cast<size_t>(front), static_cast<size_t>(backA - front + 1));
            std::string_view middleB =
                b.substr(static_cast<size_t>(front), static_cast<size_t>(backB - front + 1));
            const int64_t needInMiddles = need - matched;
            if (needInMiddles > 0 &&
                (static_cast<int64_t>(std::min(middleA.size(), middleB.size())) < needInMiddles ||
                 (MayOutgrowProfile(a, b) && middleA.size() + middleB.size() >= kBoundedMiddle &&
                  EqualBytesBound(middleA, middleB) < needInMiddles)))
                return -1;
            const int64_t inMiddles =
                SkipMatchAt(middleA, middleB, 0, check, std::max<int64_t>(needInMiddles, 0));
            return inMiddles < 0 ? -1 : matched + inMiddles;
        }
    }
    return matched < need ? -1 : matched;
}

} // namespace

int64_t MatchCount(std::string_view a, std::string_view b, const std::atomic<bool>* cancel) {
    return MatchCountAtLeast(a, b, 0, cancel);
}

namespace {

// 64-bit, so that lines longer than 21 MB (where the matched count times 100 leaves 32 bits) score
// like shorter ones.
int32_t ScoreOfMatches(int64_t matched, int64_t lengthA, int64_t lengthB) {
    const int64_t scaled = matched * 100;
    return static_cast<int32_t>((scaled / lengthA + scaled / lengthB) / 2);
}

// The fewest matched characters that score at least depth (above the shorter length when none
// does). The score grows with the matches, so the estimate from the unrounded score is moved
// by whole steps to the exact answer.
int64_t LeastMatchesFor(int32_t depth, int64_t lengthA, int64_t lengthB) {
    const int64_t most = std::min(lengthA, lengthB);
    const double unrounded = 2.0 * depth * static_cast<double>(lengthA) *
                             static_cast<double>(lengthB) /
                             (100.0 * static_cast<double>(lengthA + lengthB));
    int64_t least = std::clamp<int64_t>(static_cast<int64_t>(unrounded), 0, most + 1);
    while (least > 0 && ScoreOfMatches(least - 1, lengthA, lengthB) >= depth)
        --least;
    while (least <= most && ScoreOfMatches(least, lengthA, lengthB) < depth)
        ++least;
    return least;
}

// LeastMatchesFor remembered by the lengths of short texts, for one depth at a time: most lines
// are short, and the search asks again and again for the same few thousand pairs of lengths. A
// row of the table is made when a first length first asks, so that a small pair touches little.
class LeastMatchesByLength {
public:
    int64_t For(int32_t depth, int64_t lengthA, int64_t lengthB) {
        if (lengthA >= kShort || lengthB >= kShort)
            return LeastMatchesFor(depth, lengthA, lengthB);
        if (depth != depth_) {
            for (std::unique_ptr<uint16_t[]>& row : leastPlusOne_)
                row.reset();
            depth_ = depth;
        }
        std::unique_ptr<uint16_t[]>& row = leastPlusOne_[static_cast<size_t>(lengthA)];
        if (!row)
            row = std::make_unique<uint16_t[]>(kShort);
        uint16_t& known = row[static_cast<size_t>(lengthB)];
        if (known == 0)
            known = static_cast<uint16_t>(LeastMatchesFor(depth, lengthA, lengthB) + 1);
        return known - 1;
    }

private:
    static constexpr int64_t kShort = 256;
    int32_t depth_ = -1;
    std::array<std::unique_ptr<uint16_t[]>, kShort> leastPlusOne_; // 0: not worked out yet
};
thread_local LeastMatchesByLength leastMatches;

int32_t ScoreOf(std::string_view a, std::string_view b, int32_t depth,
                const std::atomic<bool>* cancel) {
    if (a.empty() || b.empty())
        return a.empty() && b.empty() ? 100 : 0;
    if (a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0)
        return 100;
    const int64_t lengthA = static_cast<int64_t>(a.size());
    const int64_t lengthB = static_cast<int64_t>(b.size());
    const int64_t need = depth > 0 ? leastMatches.For(depth, lengthA, lengthB) : 0;
    const int64_t matched = MatchCountAtLeast(a, b, need, cancel);
    if (matched < 0)
        return kBelowDepth;
    return ScoreOfMatches(matched, lengthA, lengthB);
}

// The kind of each byte value in a profile. Keys are folded to lower case, so capitals need no
// kinds of their own; each digit and the most common punctuation get one.
constexpr std::array<uint8_t, 256> kByteKinds = [] {
    constexpr std::string_view kOwnKinds =
        "abcdefghijklmnopqrstuvwxyz0123456789 ();,._->=\"'*/{}[]&|:<+#!\\";
    static_assert(kOwnKinds.size() == ByteProfile::kKinds - 2);
    constexpr uint8_t kHighBytes = ByteProfile::kKinds - 2;
    constexpr uint8_t kOtherBytes = ByteProfile::kKinds - 1;
    std::array<uint8_t, 256> kinds{};
    for (int byte = 0; byte < 256; ++byte)
        kinds[byte] = byte >= 128 ? kHighBytes : kOtherBytes;
    for (size_t kind = 0; kind < kOwnKinds.size(); ++kind)
        kinds[static_cast<unsigned char>(kOwnKinds[kind])] = static_cast<uint8_t>(kind);
    for (int byte = 'A'; byte <= 'Z'; ++byte)
        kinds[byte] = kinds[byte - 'A' + 'a'];
    return kinds;
}();

// The sum over the kinds of the smaller of the two counts.
uint32_t SharedCounts(const ByteProfile& a, const ByteProfile& b) {
#if defined(__SSE2__) || defined(_M_X64)
    constexpr size_t kLanes = 16;
    static_assert(ByteProfile::kKinds % kLanes == 0);
    const __m128i zero = _mm_setzero_si128();
    __m128i sums = zero;
    for (size_t kind = 0; kind < ByteProfile::kKinds; kind += kLanes) {
        const __m128i countsA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&a.counts[kind]));
        const __m128i countsB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&b.counts[kind]));
        sums = _mm_add_epi64(sums, _mm_sad_epu8(_mm_min_epu8(countsA, countsB), zero));
    }
    return static_cast<uint32_t>(_mm_cvtsi128_si32(sums) +
                                 _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
#else
    uint32_t shared = 0;
    for (size_t kind = 0; kind < ByteProfile::kKinds; ++kind)
        shared += std::min(a.counts[kind], b.counts[kind]);
    return shared;
#endif
}

} // namespace

ByteProfile ProfileOf(std::string_view text) {
    ByteProfile profile;
    for (unsigned char c : text) {
        uint8_t& count = profile.counts[kByteKinds[c]];
        if (count == 255)
            profile.saturated = true;
        else
            ++count;
    }
    return profile;
}

bool ProfilesScoreBelow(const ByteProfile& a, const ByteProfile& b, int64_t lengthA,
                        int64_t lengthB, int32_t depth) {
    if (depth <= 0 || a.saturated || b.saturated || lengthA == 0 || lengthB == 0)
        return false;
    // The score grows with the matched count, so it is below depth exactly below the least count.
    return SharedCounts(a, b) < leastMatches.For(depth, lengthA, lengthB);
}

bool LineScore(std::string_view a, std::string_view b, int32_t& score) {
    score = ScoreOf(a, b, 0, nullptr);
    return score == 100;
}

int32_t LineScore(std::string_view a, std::string_view b) {
    return ScoreOf(a, b, 0, nullptr);
}

int32_t LineScore(std::string_view a, std::string_view b, const std::atomic<bool>* cancel) {
    return ScoreOf(a, b, 0, cancel);
}

int32_t LineScoreFrom(std::string_view a, std::string_view b, int32_t depth,
                      const std::atomic<bool>* cancel) {
    return ScoreOf(a, b, depth, cancel);
}

} // namespace tandem
