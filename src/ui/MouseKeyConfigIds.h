#pragma once

namespace quillon::key_dialog {

// Control ids of the assignment dialog.
inline constexpr int kBackground = 30;
inline constexpr int kTitle = 31;
inline constexpr int kClose = 32;
inline constexpr int kFunction = 33;
inline constexpr int kValueList = 34;
inline constexpr int kKeyField = 35;
inline constexpr int kShift = 36;
inline constexpr int kCtrl = 37;
inline constexpr int kWin = 38;
inline constexpr int kAlt = 39;
inline constexpr int kEmoji = 40;
inline constexpr int kOk = 41;

// Text ids.
inline constexpr int kCloseHintText = 5;
inline constexpr int kOkText = 22;
inline constexpr int kKeyHintText = 385;
inline constexpr int kInitialTitleText = 170;

// The window's title for the emoji function, and its size for each kind of function.
inline constexpr const char* kEmojiTitle = "微信表情";
inline constexpr int kWidth = 400;
inline constexpr int kHeight = 260;
inline constexpr int kEmojiWidth = 600;
inline constexpr int kEmojiHeight = 650;

}  // namespace quillon::key_dialog
