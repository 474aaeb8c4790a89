// SPDX-License-Identifier: MIT
// The practitioner's window over a book of 100,000 clients, offscreen, as a
// person meets it: a keystroke in the search field until the list shows the
// answer painted, and a change of system or of the date of interest until
// the chart is painted again. Each figure is wall time, median and worst.
//   [VELMORA_BENCH_CLIENTS=N] [VELMORA_BENCH_BOOK=FILE] velmora-bench-desk [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QEventLoop>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <vector>

#include "benchclients.h"
#include "benchplatform.h"
#include "chartview.h"
#include "clientbook.h"
#include "clientspanel.h"
#include "deskwindow.h"
#include "system.h"

using namespace Qt::StringLiterals;
using velmora::desk::ClientsPanel;
using velmora::desk::DeskWindow;

namespace {

// The book of every bench client: VELMORA_BENCH_BOOK when it names one
// (filled when it does not exist yet), else one filled here once.
QString filledBook()
{
    static QTemporaryDir folder;
    static const QString address = [] {
        QString file = qEnvironmentVariable("VELMORA_BENCH_BOOK");
        const bool filled = !file.isEmpty() && QFileInfo::exists(file);
        if (file.isEmpty())
            file = folder.filePath(u"clients.sqlite"_s);
        QString error;
        const auto book = velmora::book::ClientBook::open(file, &error);
        return book && (filled || book->addClients(benchClients(benchClientCount()))) ? file : QString();
    }();
    return address;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *watched)
        : QObject(watched)
    {
        watched->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Runs the event loop until done() holds, at most ten seconds; false when it never did.
template<typename Done>
bool runUntil(Done done)
{
    bool late = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [&late] { late = true; });
    timeout.start(10'000);
    while (!done() && !late)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return !late;
}

// The window as it starts over the book, shown and with its first list.
struct Desk {
    BenchPlatform platform;
    DeskWindow window{platform};
    ClientsPanel *panel = nullptr;
    int answers = 0;

    explicit Desk(const QString &address)
    {
        window.openBook(address);
        window.resize(1280, 800);
        window.show();
        panel = window.clientsPanel();
        field = panel->findChild<QLineEdit *>(u"txtSearch"_s);
        QObject::connect(panel, &ClientsPanel::answered, &window, [this] { ++answers; });
        runUntil([this] { return answers > 0; });
        QApplication::processEvents();
    }

    // Empties the search field and waits for the list of everybody, untimed.
    void clearSearch()
    {
        if (const int before = answers; !field->text().isEmpty()) {
            field->clear();
            runUntil([&] { return answers > before; });
            QApplication::processEvents();
        }
    }

    QLineEdit *field = nullptr;
};

// One sample's wall time, and the processor time of the whole process (every
// thread) in it: what the sample costs whatever else the machine does.
class Stopwatch
{
public:
    Stopwatch()
    {
        m_wall.start();
        m_cpu = cpuNow();
    }
    void stopInto(std::vector<double> &wall, std::vector<double> &cpu) const
    {
        wall.push_back(static_cast<double>(m_wall.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuNow() - m_cpu);
    }

private:
    static double cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

void report(benchmark::State &state, std::vector<double> wall, std::vector<double> cpu)
{
    std::ranges::sort(wall);
    std::ranges::sort(cpu);
    state.counters["median_ms"] = wall[wall.size() / 2];
    state.counters["worst_ms"] = wall.back();
    state.counters["cpu_median_ms"] = cpu[cpu.size() / 2];
    state.counters["cpu_worst_ms"] = cpu.back();
    state.counters["samples"] = static_cast<double>(wall.size());
}

// Texts typed letter by letter into an empty field; each letter is one sample:
// from the key press until the list has taken the answer and painted it.
void BM_DeskKeystroke(benchmark::State &state)
{
    const QString address = filledBook();
    if (address.isEmpty())
        return state.SkipWithError("the book could not be filled");
    Desk desk(address);
    const QStringList typed = {u"marie"_s, u"1984-03"_s, u"tag:vip"_s, u"jo ke"_s};
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        for (const QString &text : typed) {
            desk.clearSearch();
            for (const QChar letter : text) {
                const int answers = desk.answers;
                const Stopwatch stopwatch;
                QTest::keyClick(desk.field, letter.toLatin1());
                if (!runUntil([&] { return desk.answers > answers; }))
                    return state.SkipWithError("no answer within ten seconds");
                QApplication::processEvents(); // the frame that paints it
                stopwatch.stopInto(wall, cpu);
            }
        }
    }
    report(state, wall, cpu);
}

// A word typed faster than the book answers (a burst of keys while the
// first one's search runs), from its first key until the list shows the
// answer to the whole word, painted.
void BM_DeskTypedAtOnce(benchmark::State &state)
{
    const QString address = filledBook();
    if (address.isEmpty())
        return state.SkipWithError("the book could not be filled");
    Desk desk(address);
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        for (const QString &word : {u"mar"_s, u"jo k"_s, u"tag:vip"_s}) {
            desk.clearSearch();
            const Stopwatch stopwatch;
            QTest::keyClicks(desk.field, word);
            const int answers = desk.answers;
            if (!runUntil([&] { return desk.answers > answers; }))
                return state.SkipWithError("no answer within ten seconds");
            QApplication::processEvents();
            stopwatch.stopInto(wall, cpu);
        }
    }
    report(state, wall, cpu);
}

// The window made over the book and shown, until its first list is painted.
void BM_DeskFirstList(benchmark::State &state)
{
    const QString address = filledBook();
    if (address.isEmpty())
        return state.SkipWithError("the book could not be filled");
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        const Stopwatch stopwatch;
        const Desk desk(address);
        stopwatch.stopInto(wall, cpu);
    }
    report(state, wall, cpu);
}

// Changes the window makes to the chart of a client of the book, each one
// sample: from the change until the chart's drawing is painted again.
template<typename Change>
void chartChanges(benchmark::State &state, Change change)
{
    const QString address = filledBook();
    if (address.isEmpty())
        return state.SkipWithError("the book could not be filled");
    Desk desk(address);
    if (!desk.window.showClient(1))
        return state.SkipWithError("the book has no client 1");
    QApplication::processEvents();
    auto *drawing = desk.window.chartView()->findChild<QWidget *>(u"letterCharts"_s);
    auto *painted = new PaintCounter(drawing);
    std::vector<double> wall;
    std::vector<double> cpu;
    int step = 0;
    for (auto _ : state) {
        const int paints = painted->paints;
        const int answers = desk.answers;
        const quint64 asked = desk.panel->lastSerial();
        const Stopwatch stopwatch;
        change(desk.window, ++step);
        QApplication::processEvents(); // the frame that paints it
        stopwatch.stopInto(wall, cpu);
        if (painted->paints == paints)
            return state.SkipWithError("the change did not paint the chart again");
        // The search the window asks again after saving the client is not the chart's.
        if (desk.panel->lastSerial() != asked)
            runUntil([&] { return desk.answers > answers; });
        QApplication::processEvents();
    }
    report(state, wall, cpu);
}

void BM_DeskSystemSwitch(benchmark::State &state)
{
    chartChanges(state, [](DeskWindow &window, int step) {
        const auto all = velmora::systems();
        window.setSystem(*all[static_cast<std::size_t>(step) % all.size()]);
    });
}

void BM_DeskDateChange(benchmark::State &state)
{
    chartChanges(state, [](DeskWindow &window, int step) {
        window.setDateOfInterest(QDate(2026, 12, 8).addDays(step % 2 == 0 ? 40 : -40));
    });
}

} // namespace

BENCHMARK(BM_DeskKeystroke)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeskTypedAtOnce)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeskFirstList)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeskSystemSwitch)->Iterations(60)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeskDateChange)->Iterations(60)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
