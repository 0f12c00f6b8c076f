#pragma once

#include <set>

#include "input/InputEvent.h"
#include "input/RawInput.h"

namespace quillon {

// Decodes raw input while a recording or a key capture runs. It remembers which keys are held,
// so that the repeats a held key produces decode as nothing.
class RawInputReader {
  public:
    InputEvent DecodeRawInput(const RawInput& raw);

  private:
    std::set<int> held_;
};

}  // namespace quillon
