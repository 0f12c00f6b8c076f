// What recording costs per input event (the report handed over, decoded and turned into items),
// and showing a macro of the most items a macro holds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <vector>

#include "input/InputCapture.h"
#include "input/MacroItems.h"
#include "support/PageTestHost.h"
#include "ui/pages/MacroPage.h"
#include "ui/pages/OwnWindowInputSource.h"

#include "QtBenchApp.h"

namespace quillon {
namespace {

// Key presses and releases of changing keys, with the fixed pause: two items per event, the
// list restarted whenever the recording would end.
void BM_RecordKeyEvent(benchmark::State& state) {
    InputCapture capture(nullptr, [](std::uintptr_t) {});
    capture.StartRecording({}, MacroRecorder::PauseMode::Fixed, 10, 0);
    RawInput raw;
    raw.device = RawInput::Device::Keyboard;
    raw.layoutName = "A";
    int step = 0;
    for (auto _ : state) {
        raw.virtualKey = 0x41 + (step / 2) % 26;
        raw.keyUp = step % 2 == 1;
        raw.time = static_cast<std::uint32_t>(step);
        const std::uintptr_t handle = capture.Buffer().Put(raw);
        const InputCapture::Outcome outcome = capture.OnRawInput(handle, {});
        if (outcome.limitReached) {
            capture.StopRecording();
            capture.StartRecording({}, MacroRecorder::PauseMode::Fixed, 10, 0);
        }
        ++step;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordKeyEvent);

// Mouse clicks with measured pauses, checking the pointer against the record button.
void BM_RecordClickEvent(benchmark::State& state) {
    InputCapture capture(nullptr, [](std::uintptr_t) {});
    capture.StartRecording({}, MacroRecorder::PauseMode::Measured, 0, 0);
    RawInput raw;
    raw.device = RawInput::Device::Mouse;
    int step = 0;
    const InputCapture::OnRecordButton onButton = [](int x, int y) {
        return x >= 740 && x < 1083 && y >= 170 && y < 214;
    };
    for (auto _ : state) {
        raw.buttonFlags = step % 2 == 0 ? kRawLeftDown : kRawLeftUp;
        raw.time = static_cast<std::uint32_t>(step * 7);
        raw.pointerX = 300;
        raw.pointerY = 300;
        const InputCapture::Outcome outcome =
            capture.OnRawInput(capture.Buffer().Put(raw), onButton);
        if (outcome.limitReached) {
            capture.StopRecording();
            capture.StartRecording({}, MacroRecorder::PauseMode::Measured, 0, 0);
        }
        ++step;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordClickEvent);

void BM_ShowMacroOf200Items(benchmark::State& state) {
    QtBenchApp();
    test::PageTestHost host;
    MacroHeader header;
    header.name = "Long";
    header.delay_type = 2;
    header.delay_time = 10;
    const int id = host.store.InsertMacro(header);
    std::vector<MacroItem> items;
    for (int i = 0; i < kMaxMacroItems; ++i) {
        MacroItem item;
        item.macro_id = id;
        item.record_index = i;
        item.type = i % 2 == 0 ? kItemPause : kItemKeyDown;
        item.value = i % 2 == 0 ? 10 : 0x41;
        item.desc = i % 2 == 0 ? PauseItemText(10) : std::string(kArrowDown) + "A";
        item.delay_time = i + 1;
        items.push_back(item);
    }
    host.store.InsertMacroItems(items);
    auto& page = static_cast<MacroPage&>(
        host.Install(std::make_unique<MacroPage>(host, std::make_unique<OwnWindowInputSource>())));
    for (auto _ : state) {
        page.ShowMacro(id);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ShowMacroOf200Items)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon
