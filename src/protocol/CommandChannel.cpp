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
    }
}

}  // namespace quillon
