#pragma once

#include <optional>
#include <vector>

#include "device/CommandFrame.h"
#include "emulator/VirtualMouseBackend.h"
#include "support/ManualClock.h"

namespace quillon {

// One virtual mouse on a cable with an open command handle; Exchange() writes one frame and
// takes whatever reply is waiting, without resends.
struct EmulatorRig {
    test::ManualClock clock;
    VirtualMouse mouse{clock};
    VirtualMouseBackend backend{mouse};
    std::unique_ptr<HidDevice> device;

    EmulatorRig() {
        mouse.Connect({});
        device = backend.Open(mouse.CommandPath(0));
    }

    std::optional<std::vector<std::uint8_t>> Exchange(CommandFrame frame, bool checksum = true) {
        if (checksum) {
            frame.StoreChecksum();
        }
        device->Write(frame.data(), CommandFrame::kSize);
        std::vector<std::uint8_t> reply(65);
        int count = device->Read(reply.data(), reply.size(), 0);
        if (count <= 0) {
            return std::nullopt;
        }
        reply.resize(static_cast<std::size_t>(count));
        return reply;
    }
};

}  // namespace quillon
