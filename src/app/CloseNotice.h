#pragma once

namespace quillon {

class MWindow;

// Closing the window hides it; without a tray icon nothing on the screen would lead back to it.
// The first such close tells the user how to get the window back (start the program again, or
// "quillonctl show"). Once told, a user is not told again, in this run or a later one (the product
// key remembers it).
class CloseNotice {
  public:
    // From the window's close handler, before the window hides: shows the notice over `owner`
    // when no tray icon is shown and the user has not seen it. True when it was shown. GUI thread.
    bool WindowClosing(MWindow& owner, bool trayShown);

  private:
    bool shown_ = false;
};

inline constexpr const char* kCloseNoticeValue = "CloseNoticeShown";

}  // namespace quillon
