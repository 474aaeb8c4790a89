// SPDX-License-Identifier: MIT
// How long the practitioner's window goes without serving its events while
// it imports clients: the longest gap between two turns of its event loop,
// measured with a timer at 0 ms while the window's own import path runs.
//
//     velmora-bench-deskimport [CLIENTS [ROUNDS]]   (default 100000 clients, 2 rounds)
//
// Each round imports the same CSV of CLIENTS made-up people into one book
// (the second round into a book that holds them already) and prints the
// longest gap, the gaps over 16 ms and over 100 ms, the most processor time
// the window's thread spent within one gap (what the window itself did, as
// against waiting for a processor on a busy machine), and the import's time.
// Run it offscreen (QT_QPA_PLATFORM=offscreen) or on a display.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "benchpeople.h"
#include "clientspanel.h"
#include "deskwindow.h"
#include "fakeplatform.h"

using namespace Qt::StringLiterals;

namespace {

// The processor time of the calling thread, in nanoseconds.
qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    QTemporaryDir folder;
    const QString csv = folder.filePath(u"people.csv"_s);
    {
        QFile file(csv);
        const std::string text = benchPeopleCsv(static_cast<std::size_t>(count));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(csv));
            return 1;
        }
    }
    FakePlatform platform;
    velmora::desk::DeskWindow window(platform);
    window.openBook(folder.filePath(u"clients.sqlite"_s));
    window.resize(1200, 800);
    window.show();
    QAction *cancel = window.findChild<QAction *>(u"actCancelBookJob"_s);
    // The window shown and its first list read before anything is measured.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    std::printf("%-6s %8s %12s %10s %11s %14s %9s\n", "round", "clients", "longest gap", "gaps>16ms", "gaps>100ms",
                "longest busy", "import");
    for (int round = 1; round <= rounds; ++round) {
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        qint64 lastCpu = threadCpuNs();
        qint64 busiest = 0;
        int over16 = 0;
        int over100 = 0;
        QTimer turn;
        turn.setInterval(0);
        QObject::connect(&turn, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            const qint64 gap = now - last;
            last = now;
            const qint64 cpu = threadCpuNs();
            busiest = std::max(busiest, cpu - lastCpu);
            lastCpu = cpu;
            longest = std::max(longest, gap);
            over16 += gap > 16'000'000 ? 1 : 0;
            over100 += gap > 100'000'000 ? 1 : 0;
        });
        clock.start();
        turn.start();
        window.importFile(csv);
        // Until the window has taken the outcome and the list has the new clients.
        bool listed = false;
        QObject::connect(window.clientsPanel(), &velmora::desk::ClientsPanel::answered, &turn, [&] {
            listed = !cancel->isEnabled();
        });
        while (cancel->isEnabled() || !listed)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const qint64 took = clock.elapsed();
        turn.stop();
        std::printf("%-6d %8d %9.1f ms %10d %11d %11.1f ms %7.2f s\n", round, count,
                    static_cast<double>(longest) / 1e6, over16, over100, static_cast<double>(busiest) / 1e6,
                    static_cast<double>(took) / 1e3);
        if (!platform.messages.isEmpty()) {
            std::fprintf(stderr, "the window said: %s\n", qPrintable(platform.messages.constLast().text));
            return 1;
        }
    }
    return 0;
}
