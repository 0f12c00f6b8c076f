#pragma once

#include <initializer_list>

#include "protocol/CommandSet.h"
#include "protocol/ProfileValues.h"
#include "protocol/RecordingHost.h"
#include "store/SettingsStore.h"
#include "support/RecordingTyper.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"

namespace quillon::test {

// The device commands over a virtual mouse and a real settings database in a temporary folder,
// with a window stand-in. Time is the rig's manual clock: nothing really waits.
struct CommandRig {
    TempDir dir;
    SettingsStore store;
    VirtualMouseRig devices;
    RecordingHost host;
    TaskQueue queue;
    RecordingTyper typer;
    CommandSet commands{devices.manager, store, host, queue, typer};

    CommandRig() : CommandRig({Wired()}) {}
    CommandRig(std::initializer_list<VirtualInterfaceConfig> links) : devices(links) {
        store.OpenForDevice(dir.path(), "TestMouse");
        host.profile = store.EnsureDefaultProfiles();
        host.present = devices.Refresh().present;
        host.onRefreshDevices = [this] { host.present = devices.Refresh().present; };
    }

    VirtualMouse& Mouse() { return devices.mouse; }
    // One notification poll as the worker runs it: a queued task cuts a silent read short.
    void Poll() {
        commands.PollNotifications([this] { return !queue.Empty(); });
    }
    ProfileValues Values() { return ProfileValues(store, host.profile); }
    ProfileValues Values(int profile) { return ProfileValues(store, profile); }
};

}  // namespace quillon::test
