#include "protocol/CommandChannel.h"

#include "device/DeviceManager.h"

namespace quillon {

bool CommandChannel::Send(CommandFrame& frame) {
    bool answered = devices_.SendCommand(frame);
    Count(answered);
    return answered;
}

void CommandChannel::Count(bool answered) {
    if (!answered) {
        ++unanswered_;
        mirror_.Forget();
    }
}

DeviceMirror& CommandChannel::Acknowledged() {
    devices_.ActiveInterface();  // an interface chosen now moves the generation first
    mirror_.Follow(devices_.LinkGeneration());
    return mirror_;
}

}  // namespace quillon
