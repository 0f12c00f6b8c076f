#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceCatalogue.h"
#include "emulator/EmulationRequest.h"
#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseBackend.h"

namespace quillon {

// The virtual mouse that --emulate[=MODES][,state=FILE] asks for, as quillonctl and the window
// both build it: one interface per requested link with the catalogue's ids for that link (so
// the shipped catalogue accepts it), its flash loaded from the state file when there is one,
// and written back by Save().
class EmulatedMouse {
  public:
    EmulatedMouse() = default;
    EmulatedMouse(const EmulatedMouse&) = delete;
    EmulatedMouse& operator=(const EmulatedMouse&) = delete;

    // Builds the mouse from the text after "--emulate=" and the catalogue's family modes. False
    // with a reason when the text is malformed (`usageError` set) or the state file is unusable.
    bool Open(std::string_view text, const std::vector<DeviceModelRecord>& modes,
              std::string& error, bool* usageError = nullptr);
    // Writes the state back when a state file was named; true when there is nothing to keep.
    bool Save(std::string& error) const;

    VirtualMouse& Mouse() { return *mouse_; }
    HidBackend& Backend() { return *backend_; }
    const std::string& StateFile() const { return stateFile_; }

  private:
    std::unique_ptr<VirtualMouse> mouse_;
    std::unique_ptr<VirtualMouseBackend> backend_;
    std::string stateFile_;
};

// The catalogue's connection mode for a virtual link: 0 wired, 1 receiver, 2 Bluetooth.
int ConnectionModeOfLink(VirtualLink link);

}  // namespace quillon
