#include "device/Channel.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

#include "store/TextEncoding.h"

namespace quillon {
namespace {

constexpr int kReplyTimeoutMs = 1000;
constexpr int kSecondWriteDelayMs = 10;
constexpr int kFirstResendDelayMs = 100;
constexpr int kSecondResendDelayMs = 1000;

constexpr int kDrainTimeoutMs = 100;
constexpr int kBlockReplyDelayMs = 16;
constexpr int kBlockReplyTimeoutMs = 200;
constexpr int kBlockSecondReadDelayMs = 200;
constexpr int kBlockSecondReadTimeoutMs = 100;

constexpr std::uint8_t kReceiverStatusCommand = 0x81;
constexpr std::uint8_t kReceiverStatusReply = 0x8C;
constexpr int kReceiverRetryDelayMs = 100;

constexpr std::uint8_t kVersionReportId = 0x51;
constexpr std::size_t kVersionReportSize = 21;
constexpr std::size_t kVersionTextMax = 18;
constexpr int kVersionAttempts = 10;
constexpr int kVersionRetryDelayMs = 10;

// First bytes of an unsolicited notification; no command is numbered 0xFA.
constexpr std::uint8_t kNotificationMarker = 0xFA;

// One read of a reply within `timeoutMs`. A notification the mouse sent in the meantime is not
// a reply: taking it as one would hand its bytes to the caller as, say, a button table, and
// shift every later reply by one. It is passed on to `passed` and the wait goes on.
int ReadReply(HidDevice& device, CommandFrame& frame, Clock& clock, const PassedReport& passed) {
    const Clock::Duration deadline = clock.Now() + std::chrono::milliseconds(kReplyTimeoutMs);
    int timeoutMs = kReplyTimeoutMs;
    for (;;) {
        std::array<std::uint8_t, CommandFrame::kSize> report{};
        int count = device.Read(report.data(), report.size(), timeoutMs);
        if (!IsNotificationReport(report.data(), count)) {
            if (count > 0) {
                std::memcpy(frame.data(), report.data(), static_cast<std::size_t>(count));
            }
            return count;
        }
        if (passed) {
            passed(report.data(), count);
        }
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - clock.Now());
        if (left.count() <= 0) {
            return 0;
        }
        timeoutMs = static_cast<int>(left.count());
    }
}

}  // namespace

bool IsNotificationReport(const std::uint8_t* bytes, int count) {
    return count >= 2 && bytes[0] == CommandFrame::kReplyMarker && bytes[1] == kNotificationMarker;
}

namespace {

bool Replied(int count, const CommandFrame& frame) {
    return count > 0 && frame[0] == CommandFrame::kReplyMarker;
}

// The device's bytes in the system code page, up to the first NUL.
std::string VersionText(const std::uint8_t* bytes, std::size_t count) {
    std::string_view text(reinterpret_cast<const char*>(bytes), count);
    return Windows1252ToUtf8(text.substr(0, text.find('\0')));
}

}  // namespace

bool SendCommandOn(HidDevice& device, CommandFrame& frame, Clock& clock,
                   const PassedReport& passed) {
    frame.StoreChecksum();
    const CommandFrame request = frame;
    if (device.Write(request.data(), CommandFrame::kSize) <= 0) {
        clock.SleepMs(kSecondWriteDelayMs);
        if (device.Write(request.data(), CommandFrame::kSize) <= 0) {
            return false;
        }
    }
    if (Replied(ReadReply(device, frame, clock, passed), frame)) {
        return true;
    }
    // The mouse answers a lost request only after a resend; later resends wait longer.
    for (int delayMs : {kFirstResendDelayMs, kSecondResendDelayMs}) {
        clock.SleepMs(delayMs);
        device.Write(request.data(), CommandFrame::kSize);
        if (Replied(ReadReply(device, frame, clock, passed), frame)) {
            return true;
        }
    }
    return frame[0] == CommandFrame::kReplyMarker;
}

bool TransferBlockOn(HidDevice& device, Block64& block, Clock& clock) {
    // One byte more than a reply, so that a longer report shows as a wrong count.
    std::array<std::uint8_t, Block64::kSize + 1> scratch{};
    device.Read(scratch.data(), scratch.size(), kDrainTimeoutMs);

    std::array<std::uint8_t, Block64::kSize + 1> report{};
    std::copy(block.bytes.begin(), block.bytes.begin() + Block64::kChecksumOffset,
              report.begin() + 1);
    report[Block64::kSize] = block.Checksum();
    if (device.Write(report.data(), report.size()) <= 0) {
        return false;
    }

    clock.SleepMs(kBlockReplyDelayMs);
    int count = device.Read(scratch.data(), scratch.size(), kBlockReplyTimeoutMs);
    if (count < 1) {
        clock.SleepMs(kBlockSecondReadDelayMs);
        count = device.Read(scratch.data(), scratch.size(), kBlockSecondReadTimeoutMs);
    }
    if (count != static_cast<int>(Block64::kSize)) {
        return false;
    }
    std::copy(scratch.begin(), scratch.begin() + Block64::kSize, block.bytes.begin());
    return true;
}

Block64 ReceiverStatusRequest() {
    Block64 block;
    block[0] = 0x01;
    block[1] = 0x00;
    block[2] = kReceiverStatusCommand;
    block[3] = 0x01;
    return block;
}

int QueryReceiverStatus(DeviceEntry& entry, Clock& clock) {
    if (entry.mode == kWiredMode) {
        entry.online = 1;
        return 1;
    }
    if (!entry.handle) {
        return entry.online;
    }
    Block64 block = ReceiverStatusRequest();
    bool ok = TransferBlockOn(*entry.handle, block, clock);
    if (block[2] != kReceiverStatusReply) {
        clock.SleepMs(kReceiverRetryDelayMs);
        block = ReceiverStatusRequest();
        ok = TransferBlockOn(*entry.handle, block, clock);
    }
    if (ok && block[2] == kReceiverStatusReply) {
        entry.online = (block[4] >> 3) & 1;
    }
    return entry.online;
}

bool ReadFeatureVersionOn(HidDevice& device, std::string& text, Clock& clock) {
    text = "0.0.0";
    std::array<std::uint8_t, kVersionReportSize> request{};
    request[0] = kVersionReportId;
    request[1] = 0x04;
    if (device.SendFeatureReport(request.data(), request.size()) <= 0) {
        return true;
    }
    for (int attempt = 0; attempt < kVersionAttempts; ++attempt) {
        std::array<std::uint8_t, kVersionReportSize> reply{};
        reply[0] = kVersionReportId;
        int count = device.GetFeatureReport(reply.data(), reply.size());
        if (count <= 0) {
            clock.SleepMs(kVersionRetryDelayMs);
            continue;
        }
        // Never past the bytes that actually came, whatever length the device claims.
        std::size_t received = count > 3 ? static_cast<std::size_t>(count) - 3 : 0;
        std::size_t length = std::min({std::size_t{reply[2]}, kVersionTextMax, received});
        std::string version = VersionText(reply.data() + 3, length);
        if (!version.empty()) {
            text = version;
        }
        break;
    }
    return true;
}

}  // namespace quillon
