#pragma once

namespace quillon::perf {

// Control ids of the performance page; the main window's dispatch uses the same numbers.
inline constexpr int kDpiPanel = 93;
inline constexpr int kSensitivityPanel = 94;
inline constexpr int kDpiTitle = 95;
inline constexpr int kDpiUnitLabel = 96;
inline constexpr int kDpiHelp = 97;
inline constexpr int kDpiReset = 98;
inline constexpr int kStageCountLabel = 99;
inline constexpr int kStageCountList = 100;
inline constexpr int kFirstStage = 101;  // stage 1; stage n is kFirstStage + n - 1
inline constexpr int kLastStage = 106;
inline constexpr int kDpiSlider = 107;
inline constexpr int kStepUp = 108;
inline constexpr int kStepDown = 109;

// 110 is also the id of the scroll and e-sports panels.
inline constexpr int kGroupPanel = 110;
inline constexpr int kRateLabel = 111;
inline constexpr int kRateHelp = 112;
inline constexpr int kRateReset = 113;
inline constexpr int kRate125 = 114;  // then 250, 500, 1000, 2000, 4000, 8000 Hz
inline constexpr int kRate1000 = 117;
inline constexpr int kRate8000 = 120;

inline constexpr int kLightPanel = 121;
inline constexpr int kLightLabel = 122;
inline constexpr int kLightModeList = 123;

inline constexpr int kSleepPanel = 124;
inline constexpr int kSleepLabel = 125;
inline constexpr int kSleepList = 126;

inline constexpr int kLiftOffPanel = 127;
inline constexpr int kLiftOffLabel = 128;
inline constexpr int kLiftOffHelp = 129;
inline constexpr int kLiftOffLow = 130;   // 1.0 mm
inline constexpr int kLiftOffHigh = 131;  // 2.0 mm

inline constexpr int kSensorPanel = 132;
inline constexpr int kSensorLabel = 133;
inline constexpr int kSensorHelp = 134;
// The three sensor switches share this id; each stands for one bit of "sensor_flag".
inline constexpr int kSensorSwitch = 135;
inline constexpr int kSensorBits[] = {4, 8, 16};  // of the first, second and third switch

inline constexpr int kScrollLabel = 139;
inline constexpr int kScrollHelp = 140;
inline constexpr int kScrollNormal = 141;
inline constexpr int kScrollReversed = 142;

inline constexpr int kMotionLabel = 144;
inline constexpr int kMotionLight = 146;
inline constexpr int kMotionWakeUp = 147;

inline constexpr int kESportsPicture = 150;
inline constexpr int kESportsLabel = 151;
inline constexpr int kESportsHelp = 152;
inline constexpr int kESportsOn = 153;
inline constexpr int kESportsOff = 154;

inline constexpr int kFirstId = kDpiPanel;
inline constexpr int kLastId = kESportsOff;

// Controls of the button page that this page's refresh fills.
inline constexpr int kLeftButtonList = 62;
inline constexpr int kResponseTimeField = 85;

// Exclusive groups of the page.
inline constexpr const char* kStageGroup = "MOUSE_DPICTRL";
inline constexpr const char* kRateGroup = "REPORTRATE";
inline constexpr const char* kLiftOffGroup = "IDC_PER_STC_LOD";
inline constexpr const char* kScrollGroup = "IDC_SYS_STC_SROLL";
inline constexpr const char* kESportsGroup = "IDC_MOUSE_STC_GAMEMODE";

}  // namespace quillon::perf
