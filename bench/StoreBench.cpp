// What one page costs the settings database: everything the performance and button pages read
// for a profile, and one value the user changes.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "store/Schema.h"
#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace {

using quillon::ConfigValue;
using quillon::KeyAssignment;
using quillon::SettingsStore;

// A database as a user has it: the five profiles and a function on every button of profile 1.
void PrepareStore(SettingsStore& store, const quillon::test::TempDir& dir) {
    store.OpenForDevice(dir.path(), "Q1");
    store.EnsureDefaultProfiles();
    for (int key = 1; key <= 9; ++key) {
        KeyAssignment record;
        record.profile = 1;
        record.key_code = key;
        record.macro_type = 2;
        record.macro_value = 0x04 + key;
        record.macro_desc = "Key " + std::to_string(key);
        store.SaveKeyAssignment(record);
    }
}

void BM_LoadProfilePage(benchmark::State& state) {
    quillon::test::TempDir dir;
    SettingsStore store;
    PrepareStore(store, dir);
    std::string value;
    std::vector<KeyAssignment> keys;
    for (auto _ : state) {
        for (const ConfigValue& row : quillon::InsertedValues()) {
            store.GetValue(1, row.key, value);
        }
        store.LoadKeyAssignments(1, keys);
        benchmark::DoNotOptimize(keys.data());
    }
}
BENCHMARK(BM_LoadProfilePage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

void BM_SetValue(benchmark::State& state) {
    quillon::test::TempDir dir;
    SettingsStore store;
    PrepareStore(store, dir);
    int round = 0;
    for (auto _ : state) {
        store.SetValue(1, "dpi_group1_value", std::to_string(1200 + 100 * (++round % 8)));
    }
}
BENCHMARK(BM_SetValue)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly();

}  // namespace
