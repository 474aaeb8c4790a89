// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <vector>

#include "benchpeople.h"
#include "chart.h"
#include "descriptors.h"

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

constexpr velmora::CalendarDate kOn{8, 12, 2026};

// Every number of a chart, as a batch row finds them: the letters tallied, the formulas evaluated.
void BM_EngineNumbers(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        velmora::ChartNumbers numbers;
        velmora::evaluateNumbers(velmora::dateOfBirth(person), velmora::classicSystem(), velmora::tallyLetters(person), kOn, numbers);
        benchmark::DoNotOptimize(numbers);
    });
}
BENCHMARK(BM_EngineNumbers);

// The chart and the eight readings of the window's tabs.
void BM_EngineReadings(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        const velmora::Chart chart = velmora::chartOf(person, velmora::classicSystem(), kOn);
        for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
            velmora::Reading reading = chart.reading(section.id);
            benchmark::DoNotOptimize(reading);
        }
    });
}
BENCHMARK(BM_EngineReadings);

// What the tool's text and JSON output add on top: the eight plain texts.
void BM_EngineReadingsAsPlainText(benchmark::State &state)
{
    forEachPerson(state, [](const velmora::BirthData &person) {
        const velmora::Chart chart = velmora::chartOf(person, velmora::classicSystem(), kOn);
        for (const velmora::SectionDescriptor &section : velmora::sectionsOf(velmora::Part::Readings)) {
            std::string text = chart.reading(section.id).plainText();
            benchmark::DoNotOptimize(text);
        }
    });
}
BENCHMARK(BM_EngineReadingsAsPlainText);

} // namespace

BENCHMARK_MAIN();
