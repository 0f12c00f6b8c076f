#pragma once

#include <array>
#include <cstdint>

#include "device/CommandFrame.h"

namespace quillon {

inline constexpr int kStageCount = 6;
// DPI a stage may carry on the wire; any other value goes out as 0 and is not taken from a reply.
inline constexpr int kMinWireDpi = 50;
inline constexpr int kMaxWireDpi = 26000;

inline constexpr std::uint8_t kCommandReadPerformance = 0x0E;
inline constexpr std::uint8_t kCommandWritePerformance = 0x0F;

// The performance settings of one profile as numbers, as the block carries them.
struct PerformanceValues {
    int lightMode = 0;
    int reportRate = 0;  // 1 = 125 Hz, 2 = 250, 3 = 500, 4 = 1000
    int dpiFlag = 0;     // stage byte as the mouse reports it; also the number of stages shown
    int dpiIndex = 0;    // current stage 0..5
    std::array<int, kStageCount> dpi{};
    std::array<int, kStageCount> rgb{};  // red in the low byte; sent, never read back
    int scrollFlag = 0;
    int liftoffHeight = 0;
    int sensorFlag = 0;  // switches as bits 4, 8 and 16
    int buttonRespondTime = 0;
    int sleepLight = 0;
    int eSportsFlag = 0;
    int moveWakeUpFlag = 0;
};

// What a reply to the performance read asks for.
struct PerformanceReading {
    enum class Outcome {
        Nothing,     // no reply, another command's reply, or an empty block
        PushStored,  // the mouse holds no DPI table: send it the stored block
        Store,       // store `values`; of the stage DPIs only those marked in `dpiValid`
    };
    Outcome outcome = Outcome::Nothing;
    PerformanceValues values;
    std::array<bool, kStageCount> dpiValid{};
};

// DPI a stage may be given by hand (the performance page's rule): at most 24000, at least 200,
// rounded to the nearest 100 with 50 rounding up.
inline constexpr int kMinEnteredDpi = 200;
inline constexpr int kMaxEnteredDpi = 24000;
int RoundEnteredDpi(int dpi);

bool IsWireDpi(int dpi);
// A stored stage index brought into 0..5.
int ClampStageIndex(int index);

// Sensor switches to the block's sensor byte and back: bit 4 <-> 0x10, 8 <-> 0x01, 16 <-> 0x20.
std::uint8_t SensorByte(int sensorFlag);
int SensorFlag(std::uint8_t sensorByte);

// Command 0x0E asking for the block of `profile` (1-based).
CommandFrame PerformanceReadFrame(int profile);
// Command 0x0F carrying `values` for `profile`.
CommandFrame PerformanceWriteFrame(int profile, const PerformanceValues& values);
// Judges a reply to 0x0E.
PerformanceReading ReadPerformanceReply(const CommandFrame& reply);

}  // namespace quillon
