#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "device/DeviceManager.h"
#include "device/DeviceRefresh.h"
#include "emulator/EmulatedMouse.h"

namespace quillon::cli {

// The device side of one quillonctl run: the catalogue's modes, the backend the options ask
// for (the virtual mouse with --emulate, hidapi otherwise) and a DeviceManager after its first
// refresh. Every device command opens one and works through Manager(). With state=FILE the
// virtual mouse's settings are written back when the session ends.
class DeviceSession {
  public:
    explicit DeviceSession(CliContext& context);
    // Uses `backend` whatever the options say (for tests of real-hardware situations).
    DeviceSession(CliContext& context, std::unique_ptr<HidBackend> backend);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Loads the catalogue, builds the backend and refreshes the devices. kExitOk, or the exit
    // status to end with after the reason has been printed.
    int Open();
    // Enumerates again.
    const DeviceStatus& Refresh();

    DeviceManager& Manager() { return *manager_; }
    const DeviceStatus& Status() const { return status_; }
    // The virtual mouse with --emulate; null on real hardware.
    VirtualMouse* Emulator() { return emulated_ ? &emulated_->Mouse() : nullptr; }

    // A one-line explanation naming the udev rule when a supported interface was listed but
    // could not be opened for lack of permission; empty otherwise.
    std::string PermissionProblem() const;

  private:
    int OpenEmulator();

    CliContext& context_;
    std::vector<DeviceModelRecord> modes_;
    std::unique_ptr<EmulatedMouse> emulated_;  // with --emulate; its state is kept at the end
    std::unique_ptr<HidBackend> backend_;
    HidBackend* activeBackend_ = nullptr;
    std::unique_ptr<DeviceManager> manager_;
    DeviceStatus status_;
};

// "wired", "receiver", "bluetooth", "second receiver" or "none" for a connection mode.
const char* ConnectionModeName(int mode);

}  // namespace quillon::cli
