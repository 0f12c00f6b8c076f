#pragma once

#include "ui/toolkit/MessageRouter.h"

// Control ids, tab items and texts of the main window's frame and home page.
namespace quillon::home_ids {

inline constexpr int kBackground = 30;
inline constexpr int kClose = 36;
inline constexpr int kMinimize = 37;
inline constexpr int kBattery = 40;
inline constexpr int kStatus = 41;
inline constexpr int kWebLink = 44;
inline constexpr int kTabs = 45;

// Page areas.
inline constexpr int kButtonsArea = 46;
inline constexpr int kPerformanceArea = 47;
inline constexpr int kMacrosArea = 48;
inline constexpr int kSettingsArea = 50;
inline constexpr int kHomeArea = 51;

// The home page.
inline constexpr int kDevicePicture = 52;
inline constexpr int kPromptPicture = 53;
inline constexpr int kPromptText = 54;

// Item ids of the main tabs, in position order (the controller's "current tab").
inline constexpr int kHomeItem = 1;
inline constexpr int kButtonsItem = 2;
inline constexpr int kPerformanceItem = 3;
inline constexpr int kMacrosItem = 4;
inline constexpr int kSettingsItem = 6;

// The button page's apply, read back, restore defaults, import and export buttons: the button
// page creates them, the connection state shows and hides them.
inline constexpr IdRange kActionButtons{88, 92};

// Texts.
inline constexpr int kCloseTip = 5;
inline constexpr int kMinimizeTip = 6;
inline constexpr int kStatusNoDevice = 50;
inline constexpr int kStatusWired = 51;
inline constexpr int kStatusReceiver = 52;
inline constexpr int kStatusAsleep = 53;
inline constexpr int kStatusBluetooth = 54;
inline constexpr int kBluetoothNotice = 56;
inline constexpr int kConnectPrompt = 57;

}  // namespace quillon::home_ids

namespace quillon {

// The maker's web site, opened by the web link 44 (built in, not read from config.xml), and the
// link's caption.
inline constexpr const char* kMakerWebAddress = "https://quillon.example/";
inline constexpr const char* kMakerWebCaption = "quillon.example";

}  // namespace quillon
