// What reading quillonctl's command line costs a run before its command starts: the parser is
// built from the command table for every run, then checks the words.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace quillon {
namespace {

void RunWords(benchmark::State& state, const std::vector<std::string>& words) {
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(cli::Run(words, out, err));
    }
}

// Answered by the parser alone: nothing opens a database or a device.
void BM_Version(benchmark::State& state) {
    RunWords(state, {"--version"});
}
void BM_RefusedValue(benchmark::State& state) {
    RunWords(state, {"--json", "--profile", "2", "dpi", "set", "7", "800"});
}
void BM_TwoHundredMacroStepsRefused(benchmark::State& state) {
    std::vector<std::string> words = {"macro", "steps", "0"};
    for (int i = 0; i < 100; ++i) {
        words.push_back("+A");
        words.push_back("-A");
    }
    RunWords(state, words);
}
void BM_WholeHelp(benchmark::State& state) {
    RunWords(state, {"--help"});
}

BENCHMARK(BM_Version)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefusedValue)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TwoHundredMacroStepsRefused)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeHelp)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
