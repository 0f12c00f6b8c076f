// The performance page against a real settings database: a refresh (the device worker runs one
// after every read and profile change) and a stage click or a typed value until it is stored.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "QtBenchApp.h"
#include "support/PageTestHost.h"
#include "ui/pages/PerformancePage.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {
namespace {

void BM_RefreshFromTheDatabase(benchmark::State& state) {
    test::PageTestHost host;
    host.Install(std::make_unique<PerformancePage>(host));
    for (auto _ : state) {
        host.GetPage().Refresh();
    }
}
BENCHMARK(BM_RefreshFromTheDatabase)->Unit(benchmark::kMicrosecond);

void BM_StageClickUntilStored(benchmark::State& state) {
    test::PageTestHost host;
    host.Install(std::make_unique<PerformancePage>(host));
    int stage = 0;
    std::string stored;
    for (auto _ : state) {
        host.Click(perf::kFirstStage + stage);
        host.store.GetValue(host.activeProfile, "dpi_index", stored);
        if (stored != std::to_string(stage)) {
            state.SkipWithError("the click was not stored");
            break;
        }
        stage = (stage + 1) % 6;
    }
}
BENCHMARK(BM_StageClickUntilStored)->Unit(benchmark::kMicrosecond);

void BM_TypedStageValueUntilStored(benchmark::State& state) {
    test::PageTestHost host;
    host.Install(std::make_unique<PerformancePage>(host));
    auto* stage = host.Dialog().GetControl<DPIControl>(perf::kFirstStage + 1);
    int dpi = 1000;
    std::string stored;
    for (auto _ : state) {
        stage->SetValue(dpi + 49);
        host.Send(perf::kFirstStage + 1, kEventEditDone);
        host.store.GetValue(host.activeProfile, "dpi_group1_value", stored);
        if (stored != std::to_string(dpi)) {
            state.SkipWithError("the value was not stored");
            break;
        }
        dpi = dpi >= 20000 ? 1000 : dpi + 100;
    }
}
BENCHMARK(BM_TypedStageValueUntilStored)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon

// The page needs a QApplication, which Google Benchmark's own main does not make.
int main(int argc, char** argv) {
    quillon::QtBenchApp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
