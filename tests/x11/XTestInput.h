#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

typedef struct _XDisplay Display;

namespace quillon::test {

// Input as XTest makes it: what a person's keyboard and mouse would send the X server.
class XTestInput {
  public:
    XTestInput();
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    bool Connected() const { return display_ != nullptr; }
    void Key(int keycode, bool press);
    void Button(int button, bool press);
    void MoveTo(int x, int y);
    void Pause(int milliseconds);
    // The whole keyboard mapping, to compare before and after.
    std::vector<unsigned long> KeyboardMapping();

  private:
    Display* display_ = nullptr;
};

// Another program's window with the keyboard focus, at the desktop's lower right corner. It
// reads its key presses on its own thread, as text.
class FocusWindow {
  public:
    FocusWindow();
    ~FocusWindow();
    FocusWindow(const FocusWindow&) = delete;
    FocusWindow& operator=(const FocusWindow&) = delete;

    bool Shown() const { return window_ != 0; }
    // Takes the keyboard focus (again).
    void Focus();
    bool HasFocus();
    std::u32string Typed();

  private:
    void Read();

    Display* display_ = nullptr;
    unsigned long window_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::u32string typed_;
};

}  // namespace quillon::test
