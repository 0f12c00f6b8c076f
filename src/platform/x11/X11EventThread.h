#pragma once

#include <functional>
#include <initializer_list>
#include <thread>
#include <vector>

typedef struct _XDisplay Display;

namespace quillon {

// A connection of its own to the X server and a thread that reads XInput2 raw events selected
// on the root window: they arrive whichever program has the focus, without privilege. The
// handler runs on that thread and may use the connection for queries.
class X11EventThread {
  public:
    // (connection, XI event type, the XIRawEvent)
    using Handler = std::function<void(Display*, int type, const void* rawEvent)>;

    X11EventThread() = default;
    ~X11EventThread();
    X11EventThread(const X11EventThread&) = delete;
    X11EventThread& operator=(const X11EventThread&) = delete;

    // Connects to $DISPLAY and selects the raw event types (XI_RawKeyPress and its kin); false
    // when there is no X server or it lacks XInput 2.
    bool Start(std::initializer_list<int> rawTypes, Handler handler);
    void Stop();

  private:
    void Run();

    Display* display_ = nullptr;
    int opcode_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    Handler handler_;
    std::thread thread_;
};

// True when an X server answers on $DISPLAY with XInput 2 and XTest.
bool X11InputAvailable();

}  // namespace quillon
