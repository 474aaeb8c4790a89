// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "batchrun.h"
#include "benchpeople.h"
#include "passthrough.h"

namespace {

constexpr std::size_t kRows = 200000;

const std::string &input()
{
    static const std::string kInput = benchPeopleCsv(kRows);
    return kInput;
}

// Each iteration reads the whole input from memory and writes to /dev/null,
// so both measure the work in the process, not the disk.
template<typename Run>
void runOverInput(benchmark::State &state, Run run)
{
    std::string bytes = input();
    std::FILE *sink = std::fopen("/dev/null", "wb");
    for (auto _ : state) {
        std::FILE *source = fmemopen(bytes.data(), bytes.size(), "rb");
        run(source, sink);
        std::fclose(source);
    }
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRows));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void BM_Batch(benchmark::State &state)
{
    std::FILE *errors = std::fopen("/dev/null", "wb");
    runOverInput(state, [&](std::FILE *source, std::FILE *sink) {
        velmora::BatchRun run(source, sink, errors);
        if (run.run() != 0 || run.rowsWritten() != kRows)
            state.SkipWithError("the batch refused rows");
    });
    std::fclose(errors);
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond);

void BM_PassThrough(benchmark::State &state)
{
    runOverInput(state, [&](std::FILE *source, std::FILE *sink) {
        if (passThrough(source, sink) != static_cast<std::int64_t>(kRows) + 1)
            state.SkipWithError("the pass-through lost records");
    });
}
BENCHMARK(BM_PassThrough)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
