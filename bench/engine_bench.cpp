// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <vector>

#include "benchpeople.h"
#include "calculations.h"

namespace {

// Runs the work once per iteration for the next of many people, so that
// branches and table look-ups are not the same every time.
template<typename Work>
void forEachPerson(benchmark::State &state, Work work)
{
    static const std::vector<velmora::BirthData> kPeople = benchPeople(4096);
    std::size_t i = 0;
    for (auto _ : state)
        work(kPeople[i++ % kPeople.size()]);
    state.SetItemsProcessed(state.iterations());
}

void BM_EngineNumbers(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        velmora::Numbers numbers = velmora::CalculateNumbers(person);
        benchmark::DoNotOptimize(numbers);
    });
}
BENCHMARK(BM_EngineNumbers);

void BM_EngineReadings(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        velmora::Results results = velmora::calculateAll(person);
        benchmark::DoNotOptimize(results);
    });
}
BENCHMARK(BM_EngineReadings);

// What the tool's text and JSON output add on top: the eight plain texts.
void BM_EngineReadingsAsPlainText(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        const velmora::Results results = velmora::calculateAll(person);
        for (const velmora::Reading &reading : results.readings) {
            std::string text = reading.plainText();
            benchmark::DoNotOptimize(text);
        }
    });
}
BENCHMARK(BM_EngineReadingsAsPlainText);

} // namespace

BENCHMARK_MAIN();
