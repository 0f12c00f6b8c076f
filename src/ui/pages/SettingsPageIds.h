#pragma once

namespace quillon::settings_ids {

// Controls of the settings page (page area 50).
inline constexpr int kBackground = 238;
inline constexpr int kTitle = 240;
inline constexpr int kCard = 110;  // the four cards share it
inline constexpr int kFirmwareLabel = 264;
inline constexpr int kSoftwareLabel = 266;
inline constexpr int kFirmwareVersion = 267;
inline constexpr int kSoftwareVersion = 269;
inline constexpr int kAutostartLabel = 271;
inline constexpr int kAutostartSwitch = 272;
inline constexpr int kLanguageLabel = 274;
inline constexpr int kLanguageBox = 275;  // its events are the window's (language switch)
inline constexpr int kResetLabel = 277;
inline constexpr int kResetButton = 278;  // its events are the window's (factory reset)
inline constexpr int kPanelLabel = 282;
inline constexpr int kPanelButton = 283;

// Texts.
inline constexpr int kTitleText = 650;
inline constexpr int kFirmwareText = 651;
inline constexpr int kSoftwareText = 653;
inline constexpr int kAutostartText = 654;
inline constexpr int kLanguageText = 657;
inline constexpr int kResetLabelText = 658;
inline constexpr int kResetButtonText = 659;
inline constexpr int kPanelLabelText = 630;
inline constexpr int kPanelButtonText = 641;
inline constexpr int kNoPanelText = 680;

}  // namespace quillon::settings_ids
