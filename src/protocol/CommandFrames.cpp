#include "protocol/CommandFrames.h"

#include <algorithm>

#include "protocol/PerformanceBlock.h"

namespace quillon {
namespace {

constexpr std::uint8_t kQualifier = 0xA5;
constexpr std::uint8_t kSettingQualifier = 0xAE;
constexpr std::size_t kLengthOffset = 5;
constexpr std::size_t kProfileOffset = 8;
constexpr std::size_t kValueOffset = 11;
constexpr std::uint8_t kBatteryLength = 0x2E;
constexpr std::uint8_t kValueLength = 0x03;
constexpr std::size_t kFirmwareDigits = 23;

std::uint8_t Low(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

CommandFrame ValueFrame(std::uint8_t command, std::uint8_t qualifier, int profile, int value) {
    CommandFrame frame(command, qualifier);
    frame[kLengthOffset] = kValueLength;
    frame[kProfileOffset] = Low(profile - 1);
    frame[kValueOffset] = Low(value);
    return frame;
}

}  // namespace

int ReportRateHz(int code) {
    switch (code) {
        case 1:
            return 125;
        case 2:
            return 250;
        case 3:
            return 500;
        default:
            return 1000;
    }
}

int ReportRateCode(int hz) {
    switch (hz) {
        case 125:
            return 1;
        case 250:
            return 2;
        case 500:
            return 3;
        case 1000:
            return 4;
        default:
            return 0;
    }
}

CommandFrame FirmwareVersionFrame() {
    return CommandFrame(kCommandFirmwareVersion, 0x00);
}

CommandFrame BatteryFrame(int profile) {
    CommandFrame frame(kCommandBattery, kQualifier);
    frame[kLengthOffset] = kBatteryLength;
    frame[kProfileOffset] = Low(profile - 1);
    return frame;
}

CommandFrame CurrentDpiFrame(int profile, int stage, int dpi) {
    CommandFrame frame = ValueFrame(kCommandWriteCurrentDpi, kSettingQualifier, profile, stage);
    frame.PutU16(kValueOffset + 1, static_cast<std::uint16_t>(IsWireDpi(dpi) ? dpi : 0));
    return frame;
}

CommandFrame ReportRateFrame(int profile, int code) {
    return ValueFrame(kCommandWriteReportRate, kSettingQualifier, profile, code);
}

CommandFrame LightModeFrame(int profile, int mode) {
    return ValueFrame(kCommandWriteLightMode, kQualifier, profile, mode);
}

std::optional<BatteryInfo> BatteryOfReply(const CommandFrame& reply) {
    if (!reply.IsReplyTo(kCommandBattery)) {
        return std::nullopt;
    }
    return BatteryInfo{std::min<int>(reply[8], kMaxBatteryLevel), reply[9]};
}

std::optional<std::string> FirmwareOfReply(const CommandFrame& reply) {
    if (!reply.IsReplyTo(kCommandFirmwareVersion)) {
        return std::nullopt;
    }
    std::string text;
    for (std::size_t i = 0; i < 3; ++i) {
        char digit = static_cast<char>(reply[kFirmwareDigits + i]);
        if (i != 0) {
            text += '.';
        }
        text += (digit >= '0' && digit <= '9') ? digit : '0';
    }
    return text;
}

}  // namespace quillon
