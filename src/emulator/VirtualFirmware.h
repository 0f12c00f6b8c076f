#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "emulator/VirtualFirmwareState.h"

namespace quillon {

// The mouse's command processor: answers framed commands from its state, builds the receiver's
// status reply, the version feature report and unsolicited notifications. Not thread-safe; the
// virtual mouse serialises calls.
class VirtualFirmware {
  public:
    using Request = std::array<std::uint8_t, 65>;  // byte 0 is the report id
    using Report = std::array<std::uint8_t, 64>;   // an input report as the host reads it

    static constexpr std::uint8_t kNotificationMarker = 0xFA;

    VirtualFirmwareState& State() { return state_; }
    const VirtualFirmwareState& State() const { return state_; }

    // The reply to a framed command, or nothing when the mouse does not accept it (wrong marker,
    // checksum, qualifier or length byte, profile index above 5, unknown command).
    std::optional<Report> Answer(const Request& request);

    // The receiver's answer to the block-form status query, or nothing for another block.
    static std::optional<Report> AnswerReceiverBlock(const Request& request, bool mouseOnline);
    // Feature report 0x51 (21 bytes, report id first) carrying the version text.
    std::array<std::uint8_t, 21> VersionFeatureReport() const;
    static Report Notification(std::uint8_t type, std::uint8_t first, std::uint8_t second);

    // The mouse's own buttons, acting on the current profile; each returns its notification.
    Report CycleStage();
    Report CycleLightMode();

    // Host writes that went through 0x0D chunks but were not yet committed by 0x10.
    bool MacroDownloadPending() const { return staging_.has_value(); }
    int MacroCommits() const { return macroCommits_; }

  private:
    Report ReplyTo(std::uint8_t command) const;
    std::optional<Report> ReadPerformance(std::uint8_t profile) const;
    void WriteMacroChunk(const Request& request);

    VirtualFirmwareState state_ = VirtualFirmwareState::FactoryDefaults();
    std::optional<VirtualFirmwareState::MacroImage> staging_;
    int macroCommits_ = 0;
};

}  // namespace quillon
