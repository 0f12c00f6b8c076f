#include "emulator/VirtualPerformance.h"

namespace quillon {
namespace {

// Offsets inside the stored block (request byte - 9).
constexpr std::size_t kLightMode = 1;
constexpr std::size_t kReportRate = 2;
constexpr std::size_t kStageCount = 3;
constexpr std::size_t kStage = 4;
constexpr std::size_t kDpi = 5;
constexpr std::size_t kColour = 17;
constexpr std::size_t kScroll = 40;
constexpr std::size_t kLiftoff = 41;
constexpr std::size_t kSensor = 42;
constexpr std::size_t kRespondTime = 43;
constexpr std::size_t kSleep = 44;
constexpr std::size_t kEsports = 45;
constexpr std::size_t kWakeUp = 46;

}  // namespace

VirtualPerformance VirtualPerformance::Decode(const VirtualFirmwareState::PerformanceBlock& block) {
    VirtualPerformance p;
    p.lightMode = block[kLightMode];
    p.reportRate = block[kReportRate];
    p.stageCount = block[kStageCount];
    p.stage = block[kStage];
    for (std::size_t i = 0; i < 6; ++i) {
        p.dpi[i] = static_cast<std::uint16_t>(block[kDpi + 2 * i] | (block[kDpi + 2 * i + 1] << 8));
        const std::size_t c = kColour + 3 * i;
        p.colour[i] =
            block[c] | (block[c + 1] << 8) | (static_cast<std::uint32_t>(block[c + 2]) << 16);
    }
    p.scroll = block[kScroll];
    p.liftoff = block[kLiftoff];
    p.sensor = block[kSensor];
    p.respondTime = block[kRespondTime];
    p.sleepMinutes = block[kSleep];
    p.esports = block[kEsports];
    p.wakeUp = block[kWakeUp];
    return p;
}

VirtualFirmwareState::PerformanceBlock VirtualPerformance::Encode(std::uint8_t profileIndex) const {
    VirtualFirmwareState::PerformanceBlock block{};
    block[0] = profileIndex;
    EncodeInto(block);
    return block;
}

void VirtualPerformance::EncodeInto(VirtualFirmwareState::PerformanceBlock& block) const {
    block[kLightMode] = lightMode;
    block[kReportRate] = reportRate;
    block[kStageCount] = stageCount;
    block[kStage] = stage;
    for (std::size_t i = 0; i < 6; ++i) {
        block[kDpi + 2 * i] = static_cast<std::uint8_t>(dpi[i] & 0xFF);
        block[kDpi + 2 * i + 1] = static_cast<std::uint8_t>(dpi[i] >> 8);
        const std::size_t c = kColour + 3 * i;
        block[c] = static_cast<std::uint8_t>(colour[i] & 0xFF);
        block[c + 1] = static_cast<std::uint8_t>((colour[i] >> 8) & 0xFF);
        block[c + 2] = static_cast<std::uint8_t>((colour[i] >> 16) & 0xFF);
    }
    block[kScroll] = scroll;
    block[kLiftoff] = liftoff;
    block[kSensor] = sensor;
    block[kRespondTime] = respondTime;
    block[kSleep] = sleepMinutes;
    block[kEsports] = esports;
    block[kWakeUp] = wakeUp;
}

}  // namespace quillon
