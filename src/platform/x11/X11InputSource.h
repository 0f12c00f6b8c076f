#pragma once

#include "input/RawInputSource.h"
#include "platform/x11/X11EventThread.h"

namespace quillon {

// Raw input of the whole X desktop: XInput2 raw key and button events on the root window, the
// keys turned into the Windows keys macros store. The wheel (buttons 4 to 7) comes as a report
// without a button transition; motion is not read.
class X11InputSource : public RawInputSource {
  public:
    bool Start(RawInputBuffer& buffer, Post posted) override;
    void Stop() override;
    bool SeesOtherPrograms() const override { return true; }

  private:
    X11EventThread thread_;
};

}  // namespace quillon
