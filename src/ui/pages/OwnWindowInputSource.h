#pragma once

#include <memory>

#include "input/RawInputSource.h"

class QObject;

namespace quillon {

// Raw input where the desktop shares none (Wayland): the keys and clicks that reach this
// program's own windows, read from Qt's events on the GUI thread. Start and Stop there too.
class OwnWindowInputSource : public RawInputSource {
  public:
    OwnWindowInputSource();
    ~OwnWindowInputSource() override;

    bool Start(RawInputBuffer& buffer, Post posted) override;
    void Stop() override;
    bool SeesOtherPrograms() const override { return false; }

  private:
    class Filter;
    std::unique_ptr<Filter> filter_;
};

}  // namespace quillon
