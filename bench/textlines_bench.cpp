// Cutting a file into lines, for each line-end style: the time per byte must not depend on it.
#include "toolkit/textlines.h"

#include <benchmark/benchmark.h>
#include <string>

namespace tandem {
namespace {

// About the 4 MB of a large source file, in lines of a typical length.
constexpr size_t kFileBytes = size_t{4} << 20;
constexpr size_t kLineLength = 40;

std::string FileOfLines(const std::string& lineEnd) {
    std::string line(kLineLength, 'x');
    std::string bytes;
    bytes.reserve(kFileBytes + kLineLength);
    while (bytes.size() < kFileBytes)
        bytes += line + lineEnd;
    return bytes;
}

void SplitFile(benchmark::State& state, const std::string& lineEnd) {
    const std::string bytes = FileOfLines(lineEnd);
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitLines(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_SplitLinesLf(benchmark::State& state) {
    SplitFile(state, "\n");
}
BENCHMARK(BM_SplitLinesLf)->Unit(benchmark::kMillisecond);

void BM_SplitLinesCrLf(benchmark::State& state) {
    SplitFile(state, "\r\n");
}
BENCHMARK(BM_SplitLinesCrLf)->Unit(benchmark::kMillisecond);

void BM_SplitLinesCr(benchmark::State& state) {
    SplitFile(state, "\r");
}
BENCHMARK(BM_SplitLinesCr)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tandem

BENCHMARK_MAIN();
