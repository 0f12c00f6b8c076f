#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/CommandFrame.h"

namespace quillon {

inline constexpr std::uint8_t kCommandFirmwareVersion = 0x03;
inline constexpr std::uint8_t kCommandWriteLightMode = 0x21;
inline constexpr std::uint8_t kCommandWriteCurrentDpi = 0x22;
inline constexpr std::uint8_t kCommandWriteReportRate = 0x23;
inline constexpr std::uint8_t kCommandBattery = 0x30;

// Report-rate codes: 1 = 125 Hz, 2 = 250 Hz, 3 = 500 Hz, 4 = 1000 Hz.
inline constexpr int kReportRateWired = 4;
inline constexpr int kReportRateWireless = 2;
// Rate in Hz of a code; codes outside 1..3 mean 1000 Hz, as the performance page shows them.
int ReportRateHz(int code);
// Code of a rate in Hz; 0 for any other number.
int ReportRateCode(int hz);

inline constexpr int kMaxBatteryLevel = 100;
inline constexpr int kMaxLightMode = 6;

struct BatteryInfo {
    int level = 0;  // percent, at most 100
    int state = 0;  // charge state as the mouse reports it
};

// Every request carries the 1-based profile as "profile - 1" in byte 8.
CommandFrame FirmwareVersionFrame();
CommandFrame BatteryFrame(int profile);
// `stage` 1..6 and its DPI; a DPI the mouse cannot take goes out as 0.
CommandFrame CurrentDpiFrame(int profile, int stage, int dpi);
CommandFrame ReportRateFrame(int profile, int code);
CommandFrame LightModeFrame(int profile, int mode);

// The battery reply's level and state; nothing when the reply is not one to 0x30.
std::optional<BatteryInfo> BatteryOfReply(const CommandFrame& reply);
// "d.d.d" from the version reply (a byte that is not a digit shows as 0); nothing when the
// reply is not one to 0x03.
std::optional<std::string> FirmwareOfReply(const CommandFrame& reply);

}  // namespace quillon
