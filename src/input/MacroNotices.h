#pragma once

namespace quillon {

// Where the macro editing operations show their message boxes: the macro page implements it
// with the message box, the command line turns it into its error line.
class MacroNotices {
  public:
    virtual ~MacroNotices() = default;
    // A message box with a title and a message, both language text ids.
    virtual void ShowNotice(int titleTextId, int messageTextId) = 0;
};

// The notices the editing operations raise: (title, message).
inline constexpr int kNewMacroTitleTextId = 353;
inline constexpr int kCopyMacroTitleTextId = 31;
inline constexpr int kMacroLimitTextId = 415;
inline constexpr int kInsertItemTitleTextId = 368;
inline constexpr int kItemLimitTextId = 386;

}  // namespace quillon
