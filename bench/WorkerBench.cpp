// Device work against the virtual mouse on real time: what the software adds to each framed
// command beyond the wire. On USB full speed a command and its reply take two reports of 1 ms
// each, so N commands cost at least N x 2 ms; the virtual mouse models that with a reply that
// becomes readable 2 ms after the request (run with 0 to see the software alone).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include <sys/prctl.h>

#include "device/DeviceLock.h"
#include "device/DeviceRefresh.h"
#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseBackend.h"
#include "input/TextTyper.h"
#include "protocol/CommandSet.h"
#include "protocol/DeviceTask.h"
#include "protocol/DeviceWorker.h"
#include "protocol/RecordingHost.h"
#include "store/SettingsStore.h"
#include "support/TempDir.h"

namespace quillon {
namespace {

using std::chrono::duration;
using std::chrono::microseconds;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

class SilentTyper : public TextTyper {
  public:
    void TypeCharacter(char32_t) override {}
};

constexpr int kMacros = 32;
constexpr int kItemsPerMacro = 6;

// A store full of work (32 macros of 6 items, assignments on every profile) and a wired
// virtual mouse whose replies take `perReportMs` for each of the two reports of a command.
struct BenchRig {
    test::TempDir dir;
    SettingsStore store;
    VirtualMouse mouse;
    VirtualMouseBackend backend{mouse};
    DeviceManager manager{backend};
    test::RecordingHost host;
    TaskQueue queue;
    SilentTyper typer;
    CommandSet commands{manager, store, host, queue, typer};

    explicit BenchRig(int perReportMs) {
        // The virtual mouse makes a reply readable with a timed wait; the kernel's default 50 us
        // timer slack would add to every command what real hardware, whose reads wake on the
        // report's arrival, does not. Threads started from here inherit the setting.
        prctl(PR_SET_TIMERSLACK, 1UL);
        mouse.Connect({});
        mouse.SetReplyLatency(milliseconds(2 * perReportMs));
        manager.SetDeviceType(DeviceCatalogue::kServedDeviceType);
        DeviceStateObserver none;
        host.present = RefreshDevices(manager, mouse.CatalogueModes(), none).present;
        store.OpenForDevice(dir.path(), "Bench");
        host.profile = store.EnsureDefaultProfiles();
        FillStore();
    }

    void FillStore() {
        std::vector<int> macroIds;
        for (int m = 0; m < kMacros; ++m) {
            int id = store.AddMacro("macro " + std::to_string(m));
            macroIds.push_back(id);
            std::vector<MacroItem> items;
            for (int i = 0; i < kItemsPerMacro; ++i) {
                MacroItem item;
                item.macro_id = id;
                item.record_index = i;
                item.type = i % 3 == 2 ? 1 : 2 + i % 2;  // key down, key up, delay
                item.value = i % 3 == 2 ? 25 : 0x41 + m % 26;
                items.push_back(item);
            }
            store.InsertMacroItems(items);
        }
        for (int profile = 1; profile <= 5; ++profile) {
            for (int keyCode : {1, 2, 3, 4, 5, 7, 8}) {
                KeyAssignment key;
                key.profile = profile;
                key.key_code = keyCode;
                key.macro_type = keyCode == 1 ? 1 : 23;
                key.macro_value = keyCode == 1 ? 1 : macroIds[(profile * 7 + keyCode) % kMacros];
                key.macro_desc = "macro";
                store.SaveKeyAssignment(key);
            }
        }
    }

    // The framed commands of an apply, as the ApplyToDevice task runs them; what the mouse
    // acknowledged already is left out.
    void Apply() {
        commands.WriteMacros();
        commands.WriteButtons();
        commands.WritePerformanceBlock();
        commands.WriteCurrentDpi();
        commands.WriteReportRate();
    }
};

// Runs `work` per iteration and reports the commands it sent, the time per command and how far
// the total lies above the 2 ms per command floor.
template <typename Work>
void MeasureCommands(benchmark::State& state, BenchRig& rig, Work work) {
    int commands = 0;
    double seconds = 0;
    for (auto _ : state) {
        int before = rig.mouse.WriteCount();
        Clock::time_point start = Clock::now();
        work();
        seconds += duration<double>(Clock::now() - start).count();
        commands += rig.mouse.WriteCount() - before;
        rig.mouse.ClearRequests();
    }
    const double perCommandMs = seconds * 1000 / commands;
    const double floorMs = 2.0 * static_cast<double>(state.range(0));
    state.counters["commands"] =
        static_cast<double>(commands) / static_cast<double>(state.iterations());
    state.counters["ms_per_command"] = perCommandMs;
    state.counters["software_ms_per_command"] = perCommandMs - floorMs;
    if (floorMs > 0) {
        state.counters["above_floor_pct"] = (perCommandMs / floorMs - 1) * 100;
    }
}

// Every apply whole: the mirror of what the mouse holds is forgotten before each, as after an
// arrival or a read.
void BM_ApplyToDevice(benchmark::State& state) {
    BenchRig rig(static_cast<int>(state.range(0)));
    MeasureCommands(state, rig, [&] {
        rig.commands.ForgetAcknowledged();
        rig.Apply();
    });
}
BENCHMARK(BM_ApplyToDevice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// An apply after one button changed, the mouse holding everything else: the counter
// "commands" is what reaches the mouse.
void BM_ApplyOneButtonChange(benchmark::State& state) {
    BenchRig rig(static_cast<int>(state.range(0)));
    rig.Apply();
    KeyAssignment key;
    key.profile = 3;
    key.key_code = 5;
    key.macro_type = kMacroFunctionType;
    key.macro_desc = "macro";
    int turn = 0;
    MeasureCommands(state, rig, [&] {
        key.macro_value = 1 + turn++ % 2;  // macro 1, then macro 2: the table changes each time
        rig.store.SaveKeyAssignment(key);
        rig.Apply();
    });
}
BENCHMARK(BM_ApplyOneButtonChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadDeviceSettings(benchmark::State& state) {
    BenchRig rig(static_cast<int>(state.range(0)));
    rig.Apply();
    MeasureCommands(state, rig, [&] { rig.commands.ReadDeviceSettings(); });
}
BENCHMARK(BM_ReadDeviceSettings)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A task queued while the worker waits on a silent mouse: time from the enqueue until the
// mouse receives the task's first command. Argument 1: the mouse is shared with other
// processes, so every step takes and releases the device lock.
void BM_EnqueueToFirstWrite(benchmark::State& state) {
    BenchRig rig(1);
    if (state.range(0) != 0) {
        rig.backend.SetStateFile(rig.dir.file("mouse.state"));
    }
    DeviceWorker worker(rig.queue, rig.host, rig.commands);
    worker.Start();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> wait(0, 400);
    double longest = 0;
    for (auto _ : state) {
        std::this_thread::sleep_for(milliseconds(150 + wait(random)));  // mid-poll, anywhere
        int before = rig.mouse.WriteCount();
        Clock::time_point start = Clock::now();
        rig.queue.Enqueue(DeviceTask::WriteCurrentDpi);
        while (rig.mouse.WriteCount() == before) {
            std::this_thread::yield();
        }
        double seconds = duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        longest = std::max(longest, seconds);
        while (!rig.queue.Empty()) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(milliseconds(150));  // the task's settle
    }
    worker.Stop();
    state.counters["longest_ms"] = longest * 1000;
}
BENCHMARK(BM_EnqueueToFirstWrite)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// One worker step's hold and release of the device lock, on its own.
void BM_DeviceLockHoldAndRelease(benchmark::State& state) {
    test::TempDir dir;
    DeviceLock lock(dir.file("mouse.state") + "@/dev/hidraw0");
    for (auto _ : state) {
        lock.Acquire(milliseconds(0));
        lock.Release();
    }
}
BENCHMARK(BM_DeviceLockHoldAndRelease)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
