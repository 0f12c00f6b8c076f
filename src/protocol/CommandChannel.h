#pragma once

#include <atomic>

#include "device/CommandFrame.h"
#include "protocol/DeviceMirror.h"

namespace quillon {

class DeviceManager;

// The channel as the device commands use it. The commands themselves carry on whatever the
// mouse answers; the count of commands it left unanswered lets a caller that reports to a
// person (the command line) tell a silent failure from success. It also keeps the mirror of
// what the mouse acknowledged, which any command left unanswered makes it forget: the mouse may
// have taken the command or not.
class CommandChannel {
  public:
    explicit CommandChannel(DeviceManager& devices) : devices_(devices) {}

    // SendCommand on the active interface; a command without a reply is counted.
    bool Send(CommandFrame& frame);
    // Counts the outcome of a transfer made by other means (a whole table or image at once).
    void Count(bool answered);

    int Unanswered() const { return unanswered_; }
    void ResetCount() { unanswered_ = 0; }

    DeviceManager& Devices() { return devices_; }
    // The mirror, forgotten first when the link changed since it was filled. Worker thread.
    DeviceMirror& Acknowledged();

  private:
    DeviceManager& devices_;
    std::atomic<int> unanswered_ = 0;
    DeviceMirror mirror_;
};

}  // namespace quillon
