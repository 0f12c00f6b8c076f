#pragma once

namespace quillon {

// The row of the window's connection-state table a refresh selects.
enum class ConnectionState { NoDevice, MouseNotAnswering, Wired, Receiver, Bluetooth };

// The window-side effects of a device refresh. The main window implements it; the command line
// needs none of it and keeps the empty defaults.
class DeviceStateObserver {
  public:
    virtual ~DeviceStateObserver() = default;

    // Battery indicator back to level 0, state 2.
    virtual void ResetBattery() {}
    // Empties the window's message line.
    virtual void ClearMessage() {}
    virtual void ShowConnectionState(ConnectionState /*state*/) {}
    // The notice that a Bluetooth connection is recognised but not configured.
    virtual void ShowBluetoothNotice() {}
};

}  // namespace quillon
