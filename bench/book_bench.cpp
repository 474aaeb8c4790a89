// SPDX-License-Identifier: MIT
// The client book with 100,000 clients: finding as a person types, an import
// of all of them, and opening the book; in a file and, when a PostgreSQL
// server can be started here, on that server.
//   [VELMORA_BENCH_CLIENTS=N] velmora-bench-book [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <memory>

#include "benchclients.h"
#include "clientbook.h"
#include "pgserver.h"

using namespace velmora::book;

namespace {

constexpr int kShown = 100; // the rows a list shows while a person types

// The books filled once, by backend, and where they are.
struct Books {
    QTemporaryDir folder;
    std::unique_ptr<TemporaryPostgres> server;
    std::map<std::string, QString> addresses;
    QString serverError;

    QString newAddress(const std::string &backend)
    {
        static int files = 0;
        if (backend == "sqlite")
            return folder.filePath(QStringLiteral("book-%1.sqlite").arg(++files));
        if (!server) {
            server = std::make_unique<TemporaryPostgres>();
            if (!server->start(&serverError))
                return {};
        }
        return server->newDatabase(&serverError);
    }

    // A book of every client; empty when it cannot be had.
    QString filled(const std::string &backend)
    {
        if (auto found = addresses.find(backend); found != addresses.end())
            return found->second;
        QString address = newAddress(backend);
        QString error;
        if (auto book = address.isEmpty() ? nullptr : ClientBook::open(address, &error);
            !book || !book->addClients(benchClients(benchClientCount())))
            address.clear();
        return addresses[backend] = address;
    }
};

Books &books()
{
    static Books instance;
    return instance;
}

void skipped(benchmark::State &state, const std::string &backend)
{
    state.SkipWithError(("no " + backend + " book: " + books().serverError.toStdString()).c_str());
}

// The keystrokes of typing names into the search, each one search; median and worst.
void keystrokes(benchmark::State &state, const std::string &backend)
{
    const QString address = books().filled(backend);
    QString error;
    auto book = address.isEmpty() ? nullptr : ClientBook::open(address, &error);
    if (!book)
        return skipped(state, backend);
    const QStringList typed = {"m", "ma", "mar", "mari", "j", "jo", "jos", "a", "an", "ann", "ma k", "ma ke", "1984",
                               "tag:vip m"};
    std::vector<double> times;
    for (auto _ : state) {
        for (const QString &text : typed) {
            QElapsedTimer timer;
            timer.start();
            const auto found = book->findClients(text, kShown);
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            benchmark::DoNotOptimize(found);
            if (!found)
                state.SkipWithError(book->errorString().toStdString().c_str());
        }
    }
    std::ranges::sort(times);
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["worst_ms"] = times.back();
    state.counters["keystrokes"] = static_cast<double>(times.size());
}

// One addClients of every client into a new book.
void import(benchmark::State &state, const std::string &backend)
{
    const QList<Client> all = benchClients(benchClientCount());
    for (auto _ : state) {
        state.PauseTiming();
        const QString address = books().newAddress(backend);
        QString error;
        auto book = address.isEmpty() ? nullptr : ClientBook::open(address, &error);
        state.ResumeTiming();
        if (!book)
            return skipped(state, backend);
        if (!book->addClients(all))
            state.SkipWithError(book->errorString().toStdString().c_str());
    }
}

// Opening a book that holds every client, ready for a first search.
void opening(benchmark::State &state, const std::string &backend)
{
    const QString address = books().filled(backend);
    if (address.isEmpty())
        return skipped(state, backend);
    for (auto _ : state) {
        QString error;
        auto book = ClientBook::open(address, &error);
        if (!book)
            state.SkipWithError(error.toStdString().c_str());
        benchmark::DoNotOptimize(book);
    }
}

} // namespace

BENCHMARK_CAPTURE(keystrokes, sqlite, std::string("sqlite"))->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(keystrokes, postgresql, std::string("postgresql"))->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(import, sqlite, std::string("sqlite"))->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(import, postgresql, std::string("postgresql"))->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(opening, sqlite, std::string("sqlite"))->Iterations(50)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(opening, postgresql, std::string("postgresql"))->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
