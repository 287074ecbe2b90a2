// Micro-benchmarks of the engine's hot operations and whole runs on generated pairs.
// The pairs come from bench/make_pairs.py: `make bench` writes them to bench/out first
// (TANDEM_BENCH_DATA names another folder).
#include "engine/comparison.h"
#include "engine/linelist.h"
#include "engine/similarity.h"
#include "toolkit/textlines.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace tandem {
namespace {

std::string DataFolder() {
    const char* folder = std::getenv("TANDEM_BENCH_DATA");
    return folder ? folder : "bench/out";
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct FilePair {
    std::string left;
    std::string right;
};

// The generated pair of `lines` lines with `percent` of them edited, or an empty pair.
const FilePair& GeneratedPair(int lines, int percent) {
    static std::map<std::pair<int, int>, FilePair> pairs;
    auto [entry, added] = pairs.try_emplace({lines, percent});
    if (added) {
        std::string folder =
            DataFolder() + "/synth-" + std::to_string(lines) + "-" + std::to_string(percent);
        entry->second = {ReadFile(folder + "/left.txt"), ReadFile(folder + "/right.txt")};
    }
    return entry->second;
}

void BM_Keys(benchmark::State& state) {
    const FilePair& pair = GeneratedPair(10000, 1);
    if (pair.left.empty())
        return state.SkipWithError("no generated pairs: run make bench");
    TextLines text = SplitLines(pair.left);
    for (auto _ : state) {
        LineList list(text.lines);
        for (int i = 0; i < list.Count(); ++i)
            benchmark::DoNotOptimize(list.Key(i));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.lines.size()));
}
BENCHMARK(BM_Keys);

void BM_LineScoreSimilar(benchmark::State& state) {
    std::string a = "    result = ma_device_init(pContext, &config, &device);";
    std::string b = "    result = ma_device_init_ex(pContext, &deviceConfig, &device);";
    for (auto _ : state)
        benchmark::DoNotOptimize(LineScore(a, b));
}
BENCHMARK(BM_LineScoreSimilar);

void BM_LineScoreUnrelated(benchmark::State& state) {
    std::string a = "static int parse_options(int argc, const char **argv, struct opts *o)";
    std::string b = "        if (ma_is_little_endian()) { return frameCount * channels; }";
    for (auto _ : state)
        benchmark::DoNotOptimize(LineScore(a, b));
}
BENCHMARK(BM_LineScoreUnrelated);

// Every pair of the first lines of a generated pair's two files scored for Depth 50 the way the
// search scores a pair it has no cached score for: the byte profiles first, then the matcher,
// which may stop once the pair is certain to score below Depth. Most such pairs do.
void BM_ScoreForDepth(benchmark::State& state) {
    const FilePair& pair = GeneratedPair(10000, 10);
    if (pair.left.empty())
        return state.SkipWithError("no generated pairs: run make bench");
    constexpr int kLines = 300;
    constexpr int32_t kDepth = 50;
    TextLines leftText = SplitLines(pair.left);
    TextLines rightText = SplitLines(pair.right);
    LineList left(leftText.lines);
    LineList right(rightText.lines);
    const int rows = std::min(kLines, left.Count());
    const int cols = std::min(kLines, right.Count());
    for (auto _ : state) {
        int64_t reaching = 0;
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < cols; ++col) {
                const std::string_view a = left.Key(row);
                const std::string_view b = right.Key(col);
                if (a.empty() || b.empty() ||
                    ProfilesScoreBelow(left.Profile(row), right.Profile(col),
                                       static_cast<int64_t>(a.size()),
                                       static_cast<int64_t>(b.size()), kDepth))
                    continue;
                reaching += LineScoreFrom(a, b, kDepth, nullptr) >= kDepth;
            }
        }
        benchmark::DoNotOptimize(reaching);
    }
    state.SetItemsProcessed(state.iterations() * rows * cols);
}
BENCHMARK(BM_ScoreForDepth)->Unit(benchmark::kMillisecond);

// Two 1 MB lines that share no character: the matcher drops both characters at every step.
void BM_LineScoreNoCommonCharacter(benchmark::State& state) {
    constexpr size_t kLength = 1 << 20;
    std::string a(kLength, ' ');
    std::string b(kLength, ' ');
    for (size_t i = 0; i < kLength; ++i) {
        a[i] = static_cast<char>('a' + i % 13);
        b[i] = static_cast<char>('n' + i % 13);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(LineScore(a, b));
}
BENCHMARK(BM_LineScoreNoCommonCharacter)->Unit(benchmark::kMillisecond);

void BM_Compare(benchmark::State& state) {
    const FilePair& pair =
        GeneratedPair(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (pair.left.empty())
        return state.SkipWithError("no generated pairs: run make bench");
    TextLines left = SplitLines(pair.left);
    TextLines right = SplitLines(pair.right);
    for (auto _ : state) {
        ComparisonResult result = Compare(left.lines, right.lines, {});
        benchmark::DoNotOptimize(result.blocks.Count());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(left.lines.size()));
}
BENCHMARK(BM_Compare)
    ->Args({10000, 1})
    ->Args({10000, 10})
    ->Args({100000, 1})
    ->Args({100000, 10})
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tandem

BENCHMARK_MAIN();
