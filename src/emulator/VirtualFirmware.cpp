#include "emulator/VirtualFirmware.h"

#include <algorithm>
#include <string_view>

#include "emulator/VirtualPerformance.h"
#include "platform/SettingTable.h"

namespace quillon {
namespace {

constexpr std::uint8_t kRequestMarker = 0x55;
constexpr std::uint8_t kReplyMarker = 0xAA;
constexpr std::size_t kMaxChunk = 56;
constexpr std::uint8_t kReceiverStatusCommand = 0x81;
constexpr std::uint8_t kReceiverStatusReply = 0x8C;
constexpr std::uint8_t kBlockChecksumTotal = 0xA1;

// Framing the mouse insists on, per command: qualifier (request byte 3), length byte (byte 5;
// -1 for a macro chunk's 1..56) and whether byte 8 names a profile.
struct CommandRule {
    std::uint8_t command;
    std::uint8_t qualifier;
    int length;
    bool namesProfile;
};

constexpr CommandRule kRules[] = {
    {0x03, 0x00, 0x00, false},  // firmware version
    {0x30, 0xA5, 0x2E, false},  // battery
    {0x08, 0xA5, 0x20, true},   // read button table
    {0x09, 0xA5, 0x20, true},   // write button table
    {0x0E, 0xA5, 0x30, true},   // read performance block
    {0x0F, 0xAE, 0x30, true},   // write performance block
    {0x22, 0xAE, 0x03, true},   // write current DPI
    {0x23, 0xAE, 0x03, true},   // write report rate
    {0x21, 0xA5, 0x03, true},   // write light mode
    {0x0D, 0x00, -1, false},    // macro image chunk
    {0x10, 0xA5, 0x00, false},  // macro download done
};

const CommandRule* RuleOf(std::uint8_t command) {
    for (const CommandRule& rule : kRules) {
        if (rule.command == command) {
            return &rule;
        }
    }
    return nullptr;
}

// Whether the mouse can use `value` for what the host stores under `key`: the table of settings
// holds the one list of the values the mouse accepts.
bool Accepts(std::string_view key, int value) {
    const SettingEntry* setting = SettingByKey(key);
    return setting != nullptr && value >= setting->low && value <= setting->high;
}

bool ChecksumHolds(const VirtualFirmware::Request& request) {
    unsigned sum = 0;
    for (std::size_t i = 5; i < request.size(); ++i) {
        sum += request[i];
    }
    return static_cast<std::uint8_t>(sum & 0xFF) == request[4];
}

}  // namespace

VirtualFirmware::Report VirtualFirmware::ReplyTo(std::uint8_t command) const {
    Report reply{};
    reply[0] = kReplyMarker;
    reply[1] = command;
    return reply;
}

std::optional<VirtualFirmware::Report> VirtualFirmware::Answer(const Request& request) {
    const std::uint8_t command = request[2];
    const CommandRule* rule = RuleOf(command);
    if (request[1] != kRequestMarker || !ChecksumHolds(request) || rule == nullptr ||
        request[3] != rule->qualifier) {
        return std::nullopt;
    }
    const std::uint8_t length = request[5];
    if (rule->length >= 0 ? length != rule->length : (length == 0 || length > kMaxChunk)) {
        return std::nullopt;
    }
    const std::uint8_t profile = request[8];
    if (rule->namesProfile && profile >= VirtualFirmwareState::kProfiles) {
        return std::nullopt;
    }

    Report reply = ReplyTo(command);
    auto& block = state_.performance[profile % VirtualFirmwareState::kProfiles];
    VirtualPerformance performance = VirtualPerformance::Decode(block);
    switch (command) {
        case 0x03:
            for (std::size_t i = 0; i < 3; ++i) {
                reply[23 + i] = static_cast<std::uint8_t>(
                    i < state_.firmwareDigits.size() ? state_.firmwareDigits[i] : '0');
            }
            break;
        case 0x30:
            reply[8] = state_.batteryLevel;
            reply[9] = state_.chargeState;
            break;
        case 0x08:
            std::copy(state_.buttons[profile].begin(), state_.buttons[profile].end(),
                      reply.begin() + 8);
            break;
        case 0x09:
            std::copy(request.begin() + 9, request.begin() + 9 + 36,
                      state_.buttons[profile].begin());
            break;
        case 0x0E:
            return ReadPerformance(profile);
        case 0x0F:
            std::copy(request.begin() + 9, request.end(), block.begin());
            state_.currentProfile = profile;
            break;
        case 0x22:
            // Values the mouse cannot use are answered but leave its state alone. The stage goes
            // out counted from 1, and must have its place in the block.
            if (Accepts("dpi_index", request[11] - 1) &&
                std::size_t{request[11]} <= performance.dpi.size()) {
                performance.stage = request[11];
                performance.dpi[request[11] - 1u] =
                    static_cast<std::uint16_t>(request[12] | (request[13] << 8));
                performance.EncodeInto(block);
            }
            state_.currentProfile = profile;
            break;
        case 0x23:
            if (Accepts("report_rate", request[11])) {
                performance.reportRate = request[11];
                performance.EncodeInto(block);
            }
            state_.currentProfile = profile;
            break;
        case 0x21:
            performance.lightMode = request[11];
            performance.EncodeInto(block);
            state_.currentProfile = profile;
            break;
        case 0x0D:
            WriteMacroChunk(request);
            break;
        case 0x10:
            if (staging_) {
                state_.macroImage = *staging_;
                staging_.reset();
            }
            ++macroCommits_;
            break;
        default:
            break;
    }
    return reply;
}

std::optional<VirtualFirmware::Report> VirtualFirmware::ReadPerformance(
    std::uint8_t profile) const {
    const auto& block = state_.performance[profile];
    Report reply = ReplyTo(0x0E);
    reply[8] = profile;
    // The reply carries the stored block one byte earlier than the write did, except the
    // wake-up flag, which keeps its place (byte 54 stays 0).
    for (std::size_t i = 9; i <= 53; ++i) {
        reply[i] = block[i - 8];
    }
    reply[55] = block[46];
    return reply;
}

void VirtualFirmware::WriteMacroChunk(const Request& request) {
    const std::size_t length = request[5];
    const std::size_t offset = request[6] | (request[7] << 8);
    if (!staging_) {
        staging_ = state_.macroImage;
    }
    // A chunk reaching past the image is answered but not stored.
    if (offset + length <= staging_->size()) {
        std::copy(request.begin() + 9, request.begin() + 9 + static_cast<long>(length),
                  staging_->begin() + static_cast<long>(offset));
    }
}

std::optional<VirtualFirmware::Report> VirtualFirmware::AnswerReceiverBlock(const Request& request,
                                                                            bool mouseOnline) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < request.size(); ++i) {
        sum += request[i];
    }
    if (request[3] != kReceiverStatusCommand || (sum & 0xFF) != kBlockChecksumTotal) {
        return std::nullopt;
    }
    Report reply{};
    reply[0] = 0x01;
    reply[1] = 0x00;
    reply[2] = kReceiverStatusReply;
    reply[3] = 0x01;
    reply[4] = mouseOnline ? 0x08 : 0x00;
    unsigned replySum = 0;
    for (std::size_t i = 0; i < 63; ++i) {
        replySum += reply[i];
    }
    reply[63] = static_cast<std::uint8_t>((kBlockChecksumTotal - replySum) & 0xFF);
    return reply;
}

std::array<std::uint8_t, 21> VirtualFirmware::VersionFeatureReport() const {
    std::array<std::uint8_t, 21> report{};
    report[0] = 0x51;
    report[1] = 0x04;
    const std::size_t length = std::min<std::size_t>(state_.featureVersion.size(), 18);
    report[2] = static_cast<std::uint8_t>(length);
    std::copy_n(state_.featureVersion.begin(), length, report.begin() + 3);
    return report;
}

VirtualFirmware::Report VirtualFirmware::Notification(std::uint8_t type, std::uint8_t first,
                                                      std::uint8_t second) {
    Report report{};
    report[0] = kReplyMarker;
    report[1] = kNotificationMarker;
    report[8] = type;
    report[9] = first;
    report[10] = second;
    return report;
}

VirtualFirmware::Report VirtualFirmware::CycleStage() {
    auto& block = state_.performance[state_.currentProfile % VirtualFirmwareState::kProfiles];
    VirtualPerformance performance = VirtualPerformance::Decode(block);
    // A stage count the mouse cannot use counts as every stage.
    const int count = Accepts("dpi_count", performance.stageCount)
                          ? performance.stageCount
                          : static_cast<int>(performance.dpi.size());
    const int stage = performance.stage >= 1 && performance.stage <= count ? performance.stage : 0;
    performance.stage = static_cast<std::uint8_t>(stage % count + 1);
    performance.EncodeInto(block);
    return Notification(0x10, performance.stage, performance.reportRate);
}

VirtualFirmware::Report VirtualFirmware::CycleLightMode() {
    auto& block = state_.performance[state_.currentProfile % VirtualFirmwareState::kProfiles];
    VirtualPerformance performance = VirtualPerformance::Decode(block);
    performance.lightMode =
        static_cast<std::uint8_t>(performance.lightMode >= 6 ? 0 : performance.lightMode + 1);
    performance.EncodeInto(block);
    return Notification(0x11, performance.lightMode, 0);
}

}  // namespace quillon
