// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "benchplatform.h"
#include "frmmain.h"

using namespace Qt::StringLiterals;

namespace {

// One run as the user sees it: the press of "Get My Velmora Result" until the
// result page, with all eight readings rebuilt, has been laid out and painted.
void BM_WindowRun(benchmark::State &state)
{
    BenchPlatform platform;
    frmMain window({platform, platform, platform, platform, platform, platform});
    window.show();
    QApplication::processEvents();
    auto *proceed = window.findChild<QPushButton *>(u"cmdProceed"_s);
    auto *pages = window.findChild<QStackedWidget *>(u"pages"_s);
    auto *first = window.findChild<QLineEdit *>(u"txtNameFirst"_s);
    auto *middle = window.findChild<QLineEdit *>(u"txtNameMiddle"_s);
    auto *last = window.findChild<QLineEdit *>(u"txtNameLast"_s);
    if (proceed == nullptr || pages == nullptr || first == nullptr || middle == nullptr || last == nullptr) {
        state.SkipWithError("the window lacks a control");
        return;
    }
    const auto fillNames = [&] {
        first->setText(u"John"_s);
        middle->setText(u"Quincy"_s);
        last->setText(u"Smith"_s);
    };
    const QWidget *inputPage = pages->currentWidget();
    // The result page is built on the first run; that one-off is not timed.
    fillNames();
    proceed->click();
    QApplication::processEvents();
    auto *back = window.findChild<QPushButton *>(u"cmdBack"_s);
    if (back == nullptr || pages->currentWidget() == inputPage) {
        state.SkipWithError("the first run did not reach the result page");
        return;
    }
    back->click();
    fillNames();
    QApplication::processEvents();
    for (auto _ : state) {
        proceed->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (pages->currentWidget() == inputPage || platform.messages > 0) {
            state.SkipWithError("the run did not reach the result page");
            break;
        }
        back->click();
        fillNames();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_WindowRun)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
