// Feeds arbitrary bytes to the virtual mouse's state-file reader: anything it takes must be
// written back to a text it reads again to the same state.
#include <cstddef>
#include <cstdint>
#include <string>

#include "emulator/VirtualMouseStateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    quillon::VirtualFirmwareState state;
    std::string error;
    if (!quillon::ParseVirtualMouseState(text, state, error)) {
        if (error.empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const std::string written = quillon::FormatVirtualMouseState(state);
    quillon::VirtualFirmwareState again;
    if (!quillon::ParseVirtualMouseState(written, again, error) ||
        quillon::FormatVirtualMouseState(again) != written) {
        __builtin_trap();
    }
    return 0;
}
