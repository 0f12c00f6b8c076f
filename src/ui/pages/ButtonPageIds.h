#pragma once

#include <array>

namespace quillon::button_page {

// Control ids of the button page, as the main window routes them.
inline constexpr int kLeftPanel = 57;
inline constexpr int kRightPanel = 58;
inline constexpr int kTitle = 59;
inline constexpr int kProfileSelector = 60;
// Label and function list of each editable button, in page order (key codes 1, 2, 3, 4, 5, 7, 8).
inline constexpr std::array<int, 7> kListLabels = {61, 63, 65, 67, 69, 71, 73};
inline constexpr std::array<int, 7> kFunctionLists = {62, 64, 66, 68, 70, 72, 74};
inline constexpr int kResponsePanel = 83;
inline constexpr int kResponseLabel = 84;
inline constexpr int kResponseTime = 85;
// The mouse picture's id; the MouseCtrl draws the picture itself, so its anchors sit on it.
inline constexpr int kMousePicture = 86;
inline constexpr int kMouse = 87;
// Created by the page, handled by the main window (they open its wait dialog).
inline constexpr int kApply = 88;
inline constexpr int kReadBack = 89;
inline constexpr int kRestoreDefaults = 90;
// Profile file exchange, the page's own.
inline constexpr int kImportProfile = 91;
inline constexpr int kExportProfile = 92;

// wParam of the profile file message: import into the active profile, or export the profile
// numbered by lParam.
inline constexpr unsigned long kProfileFileImport = 1;
inline constexpr unsigned long kProfileFileExport = 2;

// Text ids.
inline constexpr int kTitleText = 101;
inline constexpr int kButtonWordText = 103;
inline constexpr int kResponseTimeText = 111;
inline constexpr int kApplyText = 22;
inline constexpr int kReadBackText = 21;
inline constexpr int kRestoreText = 112;
inline constexpr int kImportText = 113;
inline constexpr int kExportText = 114;
// "This profile file was not loaded." / "The profile file could not be saved."
inline constexpr int kImportRefusedText = 116;
inline constexpr int kExportFailedText = 117;
inline constexpr int kButtonsWithoutMacroText = 118;

// Mouse picture items: where each editable button's label meets the picture, and its side.
inline constexpr std::array<int, 7> kAnchors = {1, 3, 2, 5, 4, 7, 8};
inline constexpr std::array<int, 7> kSides = {0, 1, 1, 0, 0, 1, 1};

// The button response time the device accepts, in milliseconds.
inline constexpr int kResponseTimeMin = 0;
inline constexpr int kResponseTimeMax = 20;

}  // namespace quillon::button_page
