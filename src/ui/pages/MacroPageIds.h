#pragma once

namespace quillon::macro_ids {

// Controls of the macro page.
inline constexpr int kPanelLeft = 157;
inline constexpr int kPanelRight = 159;
inline constexpr int kPanelShared = 110;  // the cards of several pages share it
inline constexpr int kTitle = 158;
inline constexpr int kMacroHeading = 160;
inline constexpr int kMacroFrame = 161;
inline constexpr int kMacroList = 162;
inline constexpr int kNewMacro = 163;
inline constexpr int kImport = 164;
inline constexpr int kExport = 165;
inline constexpr int kContentPicture = 166;
inline constexpr int kItemHeading = 167;
inline constexpr int kItemFrame = 168;
inline constexpr int kPauseFrame = 169;
inline constexpr int kNumberHeading = 170;
inline constexpr int kEventHeading = 171;
inline constexpr int kDelayHeading = 172;
inline constexpr int kItemList = 173;
inline constexpr int kInsert = 174;
inline constexpr int kDeleteItem = 175;
inline constexpr int kRecord = 177;
inline constexpr int kPauseHeading = 178;
inline constexpr int kPauseNone = 179;
inline constexpr int kPauseMeasured = 180;
inline constexpr int kPauseFixed = 181;
inline constexpr int kLoopFrame = 182;
inline constexpr int kPauseField = 183;
inline constexpr int kPauseUnit = 184;
inline constexpr int kLoopHeading = 185;
inline constexpr int kLoopWhileHeld = 186;
inline constexpr int kLoopToggle = 187;
inline constexpr int kLoopCount = 188;
inline constexpr int kCountField = 189;
inline constexpr int kKindLabel = 190;
inline constexpr int kKindBox = 191;
inline constexpr int kValueField = 192;
inline constexpr int kButtonBox = 193;
inline constexpr int kValueLabel = 194;
inline constexpr int kMoveUp = 195;
inline constexpr int kMoveDown = 196;
inline constexpr int kXLabel = 197;
inline constexpr int kLeft = 198;
inline constexpr int kRight = 199;
inline constexpr int kXField = 200;
inline constexpr int kYLabel = 201;
inline constexpr int kUp = 202;
inline constexpr int kDown = 203;
inline constexpr int kYField = 204;

// The ids the page's handlers own.
inline constexpr int kFirstHandled = 162;
inline constexpr int kLastHandled = 204;

// Window messages of the popup menus; lParam is the chosen item.
inline constexpr unsigned kMsgMacroMenu = 1709;
inline constexpr unsigned kMsgInsertMenu = 1710;
inline constexpr unsigned kMsgItemMenu = 1711;
// Raw input from the desktop's event source; lParam is the report's handle.
inline constexpr unsigned kMsgRawInput = 0xFF;
// The pointer reached a screen edge: wParam 1 left, 2 right, 0 neither.
inline constexpr unsigned kMsgMouseAtEdge = 1579;

// Items of the macro list's menu.
inline constexpr int kMenuCopy = 101;
inline constexpr int kMenuDelete = 102;
// Items of the insert menu.
inline constexpr int kMenuKeyPair = 101;
inline constexpr int kMenuClickPair = 102;
inline constexpr int kMenuPause = 103;
inline constexpr int kMenuMove = 110;
// Items of the item list's menu.
inline constexpr int kMenuTop = 100;
inline constexpr int kMenuUp = 101;
inline constexpr int kMenuDown = 102;
inline constexpr int kMenuBottom = 103;

// Data of the item editor's kind box: mouse button, key, pause; one-axis moves keep their type.
inline constexpr int kKindMouse = 1;
inline constexpr int kKindKey = 2;
inline constexpr int kKindPause = 3;

}  // namespace quillon::macro_ids
