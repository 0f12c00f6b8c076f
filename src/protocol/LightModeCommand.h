#pragma once

#include "protocol/WorkerHost.h"

namespace quillon {

class CommandChannel;
class SettingsStore;

// The active profile's light mode, sent on its own with command 0x21. It also travels in the
// performance block and comes back in the mouse's notifications.
class LightModeCommand {
  public:
    LightModeCommand(CommandChannel& channel, SettingsStore& store, WorkerHost& host);

    // Sends the stored mode (text that is not a number goes out as 0).
    void WriteLightMode();
    // Stores mode 0 and sends it.
    void ResetLightMode();

  private:
    void Send(int profile, int mode);

    CommandChannel& channel_;
    SettingsStore& store_;
    WorkerHost& host_;
};

}  // namespace quillon
