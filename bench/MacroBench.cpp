// A full macro download's host side: every stored macro loaded from the database and encoded
// into the 4224-byte image with its chunk commands. Target: both together under 1 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "input/MacroItems.h"
#include "protocol/MacroImage.h"
#include "protocol/MacroTransfer.h"
#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

// 32 macros whose 1040 events fill the image to its last byte, a pause between every two
// events as recording gives them.
std::vector<MacroSource> FullMacroTable() {
    constexpr int kEvents = (kMacroImageSize - kMacroOffsetTableSize) / kMacroEntrySize;
    std::vector<MacroSource> macros;
    for (int m = 0; m < kMaxMacros; ++m) {
        MacroSource macro;
        macro.header.macro_id = m + 1;
        macro.header.name = "Custom " + std::to_string(m + 1);
        macro.header.play_times = 1;
        const int events = kEvents / kMaxMacros + (m < kEvents % kMaxMacros ? 1 : 0);
        for (int e = 0; e < events; ++e) {
            MacroItem item;
            item.macro_id = m + 1;
            item.record_index = static_cast<int>(macro.items.size());
            item.type = e % 2 == 0 ? kItemKeyDown : kItemKeyUp;
            item.value = 0x41 + e % 26;
            item.desc = std::string(e % 2 == 0 ? kArrowDown : kArrowUp) + "A";
            macro.items.push_back(item);
            MacroItem pause = item;
            pause.record_index = item.record_index + 1;
            pause.type = kItemPause;
            pause.value = 15 + e;
            pause.desc = PauseItemText(pause.value);
            macro.items.push_back(pause);
        }
        macros.push_back(std::move(macro));
    }
    return macros;
}

void BM_EncodeFullMacroImage(benchmark::State& state) {
    const std::vector<MacroSource> macros = FullMacroTable();
    MacroImage image;
    std::string reason;
    for (auto _ : state) {
        BuildMacroImage(macros, image, reason);
        benchmark::DoNotOptimize(MacroImageFrames(image));
    }
    if (image.length != kMacroImageSize) {
        state.SkipWithError("the table does not fill the image");
    }
}
BENCHMARK(BM_EncodeFullMacroImage)->Unit(benchmark::kMicrosecond);

class StoredMacros {
  public:
    StoredMacros() {
        store_.OpenForDevice(dir_.path(), "Q1");
        for (MacroSource& macro : FullMacroTable()) {
            const int id = store_.InsertMacro(macro.header);
            for (MacroItem& item : macro.items) {
                item.macro_id = id;
            }
            store_.InsertMacroItems(macro.items);
        }
    }
    SettingsStore& Store() { return store_; }

  private:
    test::TempDir dir_;
    SettingsStore store_;
};

void BM_LoadFullMacroTable(benchmark::State& state) {
    StoredMacros stored;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadMacroSources(stored.Store()));
    }
}
BENCHMARK(BM_LoadFullMacroTable)->Unit(benchmark::kMicrosecond);

void BM_LoadAndEncodeFullMacroTable(benchmark::State& state) {
    StoredMacros stored;
    MacroImage image;
    std::string reason;
    for (auto _ : state) {
        BuildMacroImage(LoadMacroSources(stored.Store()), image, reason);
        benchmark::DoNotOptimize(MacroImageFrames(image));
    }
    if (image.length != kMacroImageSize) {
        state.SkipWithError("the table does not fill the image");
    }
}
BENCHMARK(BM_LoadAndEncodeFullMacroTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
