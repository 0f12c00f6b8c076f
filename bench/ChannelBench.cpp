#include <benchmark/benchmark.h>

#include "device/DeviceRefresh.h"
#include "emulator/VirtualMouseBackend.h"

namespace quillon {
namespace {

// Software cost of one framed command and its reply: checksum, write, the virtual mouse's
// answer, read, with no time spent on a wire.
void BM_SendCommandRoundTrip(benchmark::State& state) {
    VirtualMouse mouse;
    mouse.Connect({});
    mouse.RecordRequests(false);
    VirtualMouseBackend backend(mouse);
    DeviceManager manager(backend);
    manager.SetDeviceType(DeviceCatalogue::kServedDeviceType);
    DeviceStateObserver none;
    RefreshDevices(manager, mouse.CatalogueModes(), none);
    for (auto _ : state) {
        CommandFrame frame(0x30, 0xA5);
        frame[5] = 0x2E;
        bool ok = manager.SendCommand(frame);
        benchmark::DoNotOptimize(ok);
        if (!ok) {
            state.SkipWithError("the virtual mouse did not answer");
            break;
        }
    }
}
BENCHMARK(BM_SendCommandRoundTrip);

// The same for a performance block write, the largest command the program sends often.
void BM_SendPerformanceBlock(benchmark::State& state) {
    VirtualMouse mouse;
    mouse.Connect({});
    mouse.RecordRequests(false);
    VirtualMouseBackend backend(mouse);
    DeviceManager manager(backend);
    manager.SetDeviceType(DeviceCatalogue::kServedDeviceType);
    DeviceStateObserver none;
    RefreshDevices(manager, mouse.CatalogueModes(), none);
    CommandFrame block(0x0F, 0xAE);
    block[5] = 0x30;
    for (std::size_t i = 9; i < 56; ++i) {
        block[i] = static_cast<std::uint8_t>(i);
    }
    for (auto _ : state) {
        CommandFrame frame = block;
        benchmark::DoNotOptimize(manager.SendCommand(frame));
    }
}
BENCHMARK(BM_SendPerformanceBlock);

}  // namespace
}  // namespace quillon
