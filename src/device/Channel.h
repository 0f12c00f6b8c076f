#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "device/Block64.h"
#include "device/Clock.h"
#include "device/CommandFrame.h"
#include "device/DeviceEntry.h"
#include "device/HidBackend.h"

namespace quillon {

// The two report framings on one open interface. Every wait goes through `clock`.

// Whether a report read from the mouse is an unsolicited notification (0xAA 0xFA), not a reply.
bool IsNotificationReport(const std::uint8_t* bytes, int count);

// Hears a notification the mouse sent while a command waited for its reply: not the reply,
// but still news for the notification poll.
using PassedReport = std::function<void(const std::uint8_t* bytes, int count)>;

// Checksums the frame, writes it and waits for a reply with the marker 0xAA, writing the
// request up to four times (10 ms before the second write, 100 ms and 1000 ms before the
// resends, 1000 ms per read). True when a reply came; it is then in `frame`. Notifications
// read meanwhile go to `passed`.
bool SendCommandOn(HidDevice& device, CommandFrame& frame, Clock& clock,
                   const PassedReport& passed = {});

// Drains one stale report, writes the block with its checksum and reads the 64-byte answer,
// which replaces the block only on success.
bool TransferBlockOn(HidDevice& device, Block64& block, Clock& clock);

// Asks a receiver whether its mouse answers; sets and returns the entry's online flag (always 1
// for a wired entry; unchanged when the receiver gives no valid answer).
int QueryReceiverStatus(DeviceEntry& entry, Clock& clock);

// The version text of feature report 0x51, or "0.0.0" when the device gives none. Always true.
bool ReadFeatureVersionOn(HidDevice& device, std::string& text, Clock& clock);

// The receiver status request of the block form, checksum not yet filled in.
Block64 ReceiverStatusRequest();

}  // namespace quillon
