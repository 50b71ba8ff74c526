// 100,000 progress steps reported one by one, as a long operation does. The
// progress dialog shows a value on its bar, which lets the toolkit process
// pending events, only every so often; the plain QProgressDialog does so at every
// step. Both are shown, application-modal, as an operation shows them.
#include "cmnprogressdialog.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSteps = 100000;

void ReportSteps(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * kSteps);
    state.counters["per_step"] = benchmark::Counter(double(state.iterations()) * kSteps,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CmnSetProgress(benchmark::State &state)
{
    CCmnProgressDialog dialog;
    dialog.Setup(QStringLiteral("Checking the register"));
    dialog.NextPhase(QStringLiteral("Checking records"));
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.SetMaximum(kSteps);
        for (int step = 1; step <= kSteps; ++step)
            dialog.SetProgress(step);
    }
    if (dialog.value() != kSteps)
        state.SkipWithError("the last step did not reach the bar");
    ReportSteps(state);
}

// The same steps with numbered phases, whose sub-phase check runs at every step.
void BM_CmnSetProgressPhases(benchmark::State &state)
{
    CCmnProgressDialog dialog;
    dialog.Setup(QStringLiteral("Checking the register"));
    dialog.EnablePhases();
    dialog.NextPhase(QString());
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.SetMaximum(kSteps);
        for (int step = 1; step <= kSteps; ++step)
            dialog.SetProgress(step);
    }
    ReportSteps(state);
}

// What the pacing saves: every step reaches the bar.
void BM_QProgressDialogSetValue(benchmark::State &state)
{
    QProgressDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoReset(false);
    dialog.setLabelText(QStringLiteral("Checking records"));
    dialog.show();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.setValue(0);
        dialog.setMaximum(kSteps);
        for (int step = 1; step <= kSteps; ++step)
            dialog.setValue(step);
    }
    ReportSteps(state);
}

} // namespace

BENCHMARK(BM_CmnSetProgress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CmnSetProgressPhases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QProgressDialogSetValue)->Unit(benchmark::kMillisecond);
