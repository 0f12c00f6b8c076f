#pragma once

#include <mutex>
#include <vector>

#include "input/TextTyper.h"

typedef struct _XDisplay Display;

namespace quillon {

// Types into the focused X window through XTest. A character has no key of its own on most
// layouts, so its keysym is put on a keycode the layout leaves free for its key press and
// release. The receiving program reads the mapping only when it handles the key, which may be
// a while later on a busy desktop, so the characters take turns over several free keycodes and
// the old mappings are put back once the whole text is typed (Finish), leaving the keyboard as
// it was.
class XTestTyper : public TextTyper {
  public:
    // Connects to $DISPLAY; without an X server with XTest the typer types nothing.
    XTestTyper();
    ~XTestTyper() override;
    XTestTyper(const XTestTyper&) = delete;
    XTestTyper& operator=(const XTestTyper&) = delete;

    bool Available() const { return display_ != nullptr; }
    void TypeCharacter(char32_t character) override;
    void Finish() override;

  private:
    void RestoreLocked();

    std::mutex mutex_;
    Display* display_ = nullptr;
    int perKeycode_ = 0;
    std::vector<int> spare_;
    size_t next_ = 0;
    size_t used_ = 0;
};

}  // namespace quillon
