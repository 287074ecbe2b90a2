// Threads that score, ahead of the search, the pairs a probe is about to ask for. When a probe
// meets a pair that needs the matcher, the unscored pairs further along the same probe mostly
// need it too, and the probe will ask for them one after another. Those pairs form a batch, cut
// into chunks that the helpers and the search's own thread take in order, whoever comes first;
// the probe takes each score as it comes to it. A score depends on the two keys and the depth
// alone, and the search still caches every score where and when it asks for it, so the run's
// results do not depend on how many threads there are or on who worked a score out.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <thread>
#include <vector>

namespace tandem {

class ScoreHelpers {
public:
    // One pair to score: the two keys at the depth they are scored for, and where along its probe
    // the pair lies.
    struct Pair {
        std::string_view leftKey;
        std::string_view rightKey;
        int32_t depth = 0;
        int64_t position = 0;
    };
    // Pairs are handed out in chunks, so that a score crosses between threads with the seven
    // others of its chunk on one cache line.
    static constexpr uint32_t kChunkPairs = 8;
    static constexpr uint32_t kMostChunks = 8;
    static constexpr uint32_t kMostPairs = kChunkPairs * kMostChunks;

    class Batch {
    public:
        uint32_t Size() const { return size_; }
        int64_t Position(uint32_t index) const { return pairs_[index].position; }
        bool Full() const { return size_ == kMostPairs; }
        void Add(const Pair& pair) { pairs_[size_++] = pair; }

    private:
        friend class ScoreHelpers;
        struct alignas(64) Chunk {
            std::atomic<bool> scored{false};
            int32_t scores[kChunkPairs];
        };
        uint32_t ChunkCount() const { return (size_ + kChunkPairs - 1) / kChunkPairs; }

        // The next chunk to be taken; chunks are taken in order by whichever thread comes first.
        alignas(64) std::atomic<uint32_t> taken_{0};
        // Odd while the batch is open to the helpers; each opening adds 2.
        alignas(64) std::atomic<uint32_t> ticket_{0};
        // Helpers inside the batch; it is refilled only when none is.
        std::atomic<uint32_t> inside_{0};
        Chunk chunks_[kMostChunks];
        Pair pairs_[kMostPairs];
        uint32_t size_ = 0;
        bool inUse_ = false;
    };

    // `helpers` threads (started when the first batch is) look at `cancel` inside long scores.
    ScoreHelpers(int helpers, const std::atomic<bool>* cancel);
    ~ScoreHelpers();
    ScoreHelpers(const ScoreHelpers&) = delete;
    ScoreHelpers& operator=(const ScoreHelpers&) = delete;

    // An empty batch to fill, or null when every batch is still in use.
    Batch* FreeBatch();
    // Opens the filled batch to the helpers.
    void Start(Batch& batch);
    // The score of pair `index`, worked out on this thread unless a helper has taken it; may
    // throw ScoreCancelled.
    int32_t Take(Batch& batch, uint32_t index);
    // No pair of the batch is wanted any more.
    void Drop(Batch& batch);

    // Counts a pair the search scored, whether it needed the matcher or the byte profiles told.
    void NoteScored(bool neededMatcher) {
        matched_ += neededMatcher;
        if (++scored_ == kShareSpan) {
            matched_ /= 2;
            scored_ /= 2;
        }
    }
    // Whether handing pairs over is likely to cost less than it saves. It does not where the
    // byte profiles answer most pairs (the few left are scored here faster than a batch is filled
    // and its scores carried back), where the probes end before they take most of what they
    // handed over, nor where batches come so seldom that the helpers fall asleep between them
    // (waking one takes longer than a batch). While the last two hold, one batch in kRetryEvery
    // is still handed over, to see whether the probes have changed.
    bool HandingOverPays() {
        if (scored_ < kLeastScored || matched_ * 100 < kLeastMatcherShare * scored_)
            return false;
        const bool asleep = threadsStarted_ && sleeping_.load(std::memory_order_relaxed) != 0;
        if (!asleep && pairsUsed_ * 100 >= kLeastTakenShare * pairsHanded_)
            return true;
        return ++refused_ % kRetryEvery == 0;
    }

private:
    static constexpr size_t kBatches = 4;
    // The share, in percent, of recent pairs that needed the matcher from which pairs are handed
    // over, and how many pairs count as recent (older ones weigh half at every span).
    static constexpr uint32_t kLeastMatcherShare = 80;
    static constexpr uint32_t kShareSpan = 4096;
    // Nothing is handed over before the search has scored this many pairs itself: a small pair
    // is done before a helper thread would have started.
    static constexpr uint32_t kLeastScored = 512;
    // The share, in percent, of the pairs handed over that the probes took, below which pairs
    // are handed over no more, and how often a batch is handed over all the same.
    static constexpr uint32_t kLeastTakenShare = 75;
    static constexpr uint32_t kRetryEvery = 64;
    // A score a helper gave up on: the run was cancelled or memory ran out.
    static constexpr int32_t kGivenUp = -100;

    void HelperLoop();
    // Takes and scores chunks of the batch until none is left; false when it was not open.
    bool WorkOn(Batch& batch, uint32_t ticket);
    void ScoreChunk(Batch& batch, uint32_t chunk) const;
    int32_t ScorePair(const Pair& pair) const;

    const int helperCount_;
    const std::atomic<bool>* cancel_;
    std::unique_ptr<Batch[]> batches_;
    // Counts the batches opened, so that sleeping helpers wake for a new one.
    alignas(64) std::atomic<uint32_t> opened_{0};
    std::atomic<uint32_t> sleeping_{0};
    std::atomic<bool> stopping_{false};
    std::vector<std::thread> threads_;
    bool threadsStarted_ = false;
    // The search's own counts, of late: pairs scored and those of them that needed the matcher,
    // pairs handed over and those of them taken.
    uint32_t scored_ = 0;
    uint32_t matched_ = 0;
    uint32_t pairsHanded_ = 0;
    uint32_t pairsUsed_ = 0;
    uint32_t refused_ = 0;
};

} // namespace tandem
