#include "protocol/PerformanceBlock.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr std::uint8_t kReadQualifier = 0xA5;
constexpr std::uint8_t kWriteQualifier = 0xAE;
constexpr std::uint8_t kBlockLength = 0x30;
constexpr std::uint8_t kStagesWritten = 6;

// Request offsets of the write; the read's reply carries most fields one byte earlier.
constexpr std::size_t kLengthOffset = 5;
constexpr std::size_t kProfileOffset = 8;

struct ByteField {
    int PerformanceValues::*field;
    std::size_t requestOffset;
    std::size_t replyOffset;
};

// The single-byte fields both directions carry. Motion wake-up sits at byte 55 both ways.
constexpr ByteField kByteFields[] = {
    {&PerformanceValues::lightMode, 10, 9},          {&PerformanceValues::reportRate, 11, 10},
    {&PerformanceValues::scrollFlag, 49, 48},        {&PerformanceValues::liftoffHeight, 50, 49},
    {&PerformanceValues::buttonRespondTime, 52, 51}, {&PerformanceValues::sleepLight, 53, 52},
    {&PerformanceValues::eSportsFlag, 54, 53},       {&PerformanceValues::moveWakeUpFlag, 55, 55},
};

constexpr std::size_t kRequestProfileAgain = 9;
constexpr std::size_t kRequestStageByte = 12;
constexpr std::size_t kRequestStageIndex = 13;
constexpr std::size_t kRequestDpi = 14;
constexpr std::size_t kRequestColours = 26;
constexpr std::size_t kRequestSensor = 51;

constexpr std::size_t kReplyStageByte = 11;
constexpr std::size_t kReplyStageIndex = 12;
constexpr std::size_t kReplyDpi = 13;
constexpr std::size_t kReplySensor = 50;

std::uint8_t Low(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

struct SensorBit {
    int flag;
    std::uint8_t wire;
};
constexpr SensorBit kSensorBits[] = {{4, 0x10}, {8, 0x01}, {16, 0x20}};

}  // namespace

int RoundEnteredDpi(int dpi) {
    int bounded = std::clamp(dpi, kMinEnteredDpi, kMaxEnteredDpi);
    return (bounded + 50) / 100 * 100;
}

bool IsWireDpi(int dpi) {
    return dpi >= kMinWireDpi && dpi <= kMaxWireDpi;
}

int ClampStageIndex(int index) {
    return std::clamp(index, 0, kStageCount - 1);
}

std::uint8_t SensorByte(int sensorFlag) {
    std::uint8_t wire = 0;
    for (const SensorBit& bit : kSensorBits) {
        if ((sensorFlag & bit.flag) != 0) {
            wire = static_cast<std::uint8_t>(wire | bit.wire);
        }
    }
    return wire;
}

int SensorFlag(std::uint8_t sensorByte) {
    int flag = 0;
    for (const SensorBit& bit : kSensorBits) {
        if ((sensorByte & bit.wire) != 0) {
            flag |= bit.flag;
        }
    }
    return flag;
}

CommandFrame PerformanceReadFrame(int profile) {
    CommandFrame frame(kCommandReadPerformance, kReadQualifier);
    frame[kLengthOffset] = kBlockLength;
    frame[kProfileOffset] = Low(profile - 1);
    return frame;
}

CommandFrame PerformanceWriteFrame(int profile, const PerformanceValues& values) {
    CommandFrame frame(kCommandWritePerformance, kWriteQualifier);
    frame[kLengthOffset] = kBlockLength;
    frame[kProfileOffset] = Low(profile - 1);
    frame[kRequestProfileAgain] = Low(profile - 1);
    for (const ByteField& field : kByteFields) {
        frame[field.requestOffset] = Low(values.*field.field);
    }
    frame[kRequestStageByte] = kStagesWritten;
    // A hand-edited index outside 0..5 would name a stage the mouse does not have.
    frame[kRequestStageIndex] = Low(ClampStageIndex(values.dpiIndex) + 1);
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        int dpi = values.dpi[stage];
        frame.PutU16(kRequestDpi + 2 * stage, static_cast<std::uint16_t>(IsWireDpi(dpi) ? dpi : 0));
        for (std::size_t part = 0; part < 3; ++part) {
            frame[kRequestColours + 3 * stage + part] = Low(values.rgb[stage] >> (8 * part));
        }
    }
    frame[kRequestSensor] = SensorByte(values.sensorFlag);
    return frame;
}

PerformanceReading ReadPerformanceReply(const CommandFrame& reply) {
    PerformanceReading reading;
    if (!reply.IsReplyTo(kCommandReadPerformance)) {
        return reading;
    }
    if (reply[9] == 0 && reply[10] == 0 && reply[11] == 0) {
        return reading;
    }
    if (reply[kReplyDpi] == 0xFF && reply[kReplyDpi + 1] == 0xFF && reply[kReplyDpi + 2] == 0xFF) {
        reading.outcome = PerformanceReading::Outcome::PushStored;
        return reading;
    }
    reading.outcome = PerformanceReading::Outcome::Store;
    PerformanceValues& values = reading.values;
    for (const ByteField& field : kByteFields) {
        values.*field.field = reply[field.replyOffset];
    }
    values.dpiFlag = reply[kReplyStageByte];
    values.dpiIndex = ClampStageIndex(reply[kReplyStageIndex] - 1);
    for (std::size_t stage = 0; stage < kStageCount; ++stage) {
        int dpi = reply.GetU16(kReplyDpi + 2 * stage);
        reading.dpiValid[stage] = IsWireDpi(dpi);
        values.dpi[stage] = reading.dpiValid[stage] ? dpi : 0;
    }
    values.sensorFlag = SensorFlag(reply[kReplySensor]);
    return reading;
}

}  // namespace quillon
