#include "scorehelpers.h"

#include "comparison.h"
#include "similarity.h"

#include <algorithm>
#include <system_error>

#if defined(__x86_64__) || defined(_M_X64) || defined(__i386__) || defined(_M_IX86)
#include <immintrin.h>
#endif

namespace tandem {

namespace {

// How long an idle helper watches for a new batch before it sleeps: some tens of microseconds,
// longer than the search takes between two batches while it is scoring much, since waking a
// sleeping helper costs the search a system call.
constexpr int kIdleSpins = 4000;
// How long the search waits for a helper's chunk before it works the score out itself: some tens
// of microseconds, longer than a chunk of pairs takes.
constexpr int kMostWaitSpins = 2000;

// One step of a busy wait, light on the core and on the memory the waiting thread watches.
void PauseWhileWaiting() {
#if defined(__x86_64__) || defined(_M_X64) || defined(__i386__) || defined(_M_IX86)
    _mm_pause();
#else
    std::this_thread::yield();
#endif
}

} // namespace

int MachineCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp<unsigned>(cores, 1, kMostScoringThreads));
}

ScoreHelpers::ScoreHelpers(int helpers, const std::atomic<bool>* cancel)
    : helperCount_(helpers), cancel_(cancel), batches_(new Batch[kBatches]) {}

ScoreHelpers::~ScoreHelpers() {
    stopping_.store(true);
    opened_.fetch_add(1);
    opened_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

ScoreHelpers::Batch* ScoreHelpers::FreeBatch() {
    for (size_t i = 0; i < kBatches; ++i) {
        Batch& batch = batches_[i];
        if (batch.inUse_ || batch.inside_.load() != 0)
            continue;
        batch.inUse_ = true;
        batch.size_ = 0;
        batch.taken_.store(0, std::memory_order_relaxed);
        return &batch;
    }
    return nullptr;
}

void ScoreHelpers::Start(Batch& batch) {
    if (!threadsStarted_) {
        threadsStarted_ = true;
        try {
            for (int i = 0; i < helperCount_; ++i)
                threads_.emplace_back([this] { HelperLoop(); });
        } catch (const std::system_error&) {
            // The system has no thread left to give: the helpers started so far, if any, score
            // with this thread, which takes every chunk no helper takes.
        }
    }
    for (uint32_t i = 0; i < batch.ChunkCount(); ++i)
        batch.chunks_[i].scored.store(false, std::memory_order_relaxed);
    pairsHanded_ += batch.size_;
    if (pairsHanded_ >= kShareSpan) {
        pairsHanded_ /= 2;
        pairsUsed_ /= 2;
    }
    batch.ticket_.fetch_add(1); // odd: open
    opened_.fetch_add(1);
    if (sleeping_.load() != 0)
        opened_.notify_all();
}

int32_t ScoreHelpers::Take(Batch& batch, uint32_t index) {
    ++pairsUsed_;
    const Batch::Chunk& chunk = batch.chunks_[index / kChunkPairs];
    int spins = 0;
    while (!chunk.scored.load(std::memory_order_acquire)) {
        if (batch.taken_.load(std::memory_order_relaxed) < batch.ChunkCount()) {
            const uint32_t next = batch.taken_.fetch_add(1);
            if (next < batch.ChunkCount()) {
                ScoreChunk(batch, next);
                continue;
            }
        }
        // A helper has this chunk. It is waited for as long as a chunk takes to score; a helper
        // that has not got its core on a busy machine could take much longer, so the pair is then
        // scored here again.
        if (++spins > kMostWaitSpins)
            return ScorePair(batch.pairs_[index]);
        PauseWhileWaiting();
    }
    const int32_t score = chunk.scores[index % kChunkPairs];
    return score != kGivenUp ? score : ScorePair(batch.pairs_[index]);
}

void ScoreHelpers::Drop(Batch& batch) {
    if (batch.ticket_.load(std::memory_order_relaxed) % 2 == 1)
        batch.ticket_.fetch_add(1); // even: closed to helpers that have not come in yet
    batch.taken_.store(kMostPairs);
    batch.inUse_ = false;
}

void ScoreHelpers::HelperLoop() {
    while (!stopping_.load()) {
        const uint32_t seen = opened_.load();
        bool worked = false;
        for (size_t i = 0; i < kBatches; ++i) {
            const uint32_t ticket = batches_[i].ticket_.load();
            if (ticket % 2 == 1)
                worked |= WorkOn(batches_[i], ticket);
        }
        if (worked)
            continue;
        int spins = 0;
        while (spins < kIdleSpins && opened_.load(std::memory_order_relaxed) == seen) {
            PauseWhileWaiting();
            ++spins;
        }
        if (spins < kIdleSpins)
            continue;
        sleeping_.fetch_add(1);
        opened_.wait(seen);
        sleeping_.fetch_sub(1);
    }
}

bool ScoreHelpers::WorkOn(Batch& batch, uint32_t ticket) {
    // Coming in first and looking at the ticket after keeps the search from refilling the batch
    // under this helper: it refills only a closed batch with no helper inside.
    batch.inside_.fetch_add(1);
    bool worked = false;
    if (batch.ticket_.load() == ticket) {
        for (uint32_t next = batch.taken_.fetch_add(1); next < batch.ChunkCount();
             next = batch.taken_.fetch_add(1)) {
            ScoreChunk(batch, next);
            worked = true;
        }
    }
    batch.inside_.fetch_sub(1);
    return worked;
}

int32_t ScoreHelpers::ScorePair(const Pair& pair) const {
    return LineScoreFrom(pair.leftKey, pair.rightKey, pair.depth, cancel_);
}

void ScoreHelpers::ScoreChunk(Batch& batch, uint32_t chunk) const {
    Batch::Chunk& scored = batch.chunks_[chunk];
    const uint32_t first = chunk * kChunkPairs;
    const uint32_t end = std::min(first + kChunkPairs, batch.size_);
    for (uint32_t i = first; i < end; ++i) {
        try {
            scored.scores[i - first] = ScorePair(batch.pairs_[i]);
        } catch (...) {
            // A cancel, or memory running out: the search's thread meets it itself when it
            // scores the pair again.
            scored.scores[i - first] = kGivenUp;
        }
    }
    scored.scored.store(true, std::memory_order_release);
}

} // namespace tandem
