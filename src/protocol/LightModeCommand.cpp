#include "protocol/LightModeCommand.h"

#include "device/DeviceManager.h"
#include "protocol/CommandChannel.h"
#include "protocol/CommandFrames.h"
#include "protocol/ProfileValues.h"

namespace quillon {

LightModeCommand::LightModeCommand(CommandChannel& channel, SettingsStore& store, WorkerHost& host)
    : channel_(channel), store_(store), host_(host) {}

void LightModeCommand::WriteLightMode() {
    int profile = host_.ActiveProfile();
    Send(profile, ProfileValues(store_, profile).Get("light_mode"));
}

void LightModeCommand::ResetLightMode() {
    int profile = host_.ActiveProfile();
    ProfileValues(store_, profile).Set("light_mode", 0);
    Send(profile, 0);
}

void LightModeCommand::Send(int profile, int mode) {
    host_.SetLightMode(mode);
    CommandFrame frame = LightModeFrame(profile, mode);
    channel_.Send(frame);
}

}  // namespace quillon
