#pragma once

#include <mutex>

#include "input/TextTyper.h"

typedef struct _XDisplay Display;

namespace quillon {

// Types into the focused X window through XTest. A character has no key of its own on most
// layouts, so its keysym is put on a keycode the layout leaves free for the one key press and
// release; the key's old mapping is put back afterwards, leaving the keyboard as it was.
class XTestTyper : public TextTyper {
  public:
    // Connects to $DISPLAY; without an X server with XTest the typer types nothing.
    XTestTyper();
    ~XTestTyper() override;
    XTestTyper(const XTestTyper&) = delete;
    XTestTyper& operator=(const XTestTyper&) = delete;

    bool Available() const { return display_ != nullptr; }
    void TypeCharacter(char32_t character) override;

  private:
    std::mutex mutex_;
    Display* display_ = nullptr;
    int spareKeycode_ = 0;
};

}  // namespace quillon
