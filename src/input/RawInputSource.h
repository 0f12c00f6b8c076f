#pragma once

#include <cstdint>
#include <functional>

namespace quillon {

class RawInputBuffer;

// A desktop's source of raw keyboard and mouse input for the recorder and the key capture.
// While started it puts every key press and release and every button transition into the
// buffer and calls `posted` with the handle, from whatever thread it runs on; the window turns
// that into its raw-input message.
class RawInputSource {
  public:
    using Post = std::function<void(std::uintptr_t handle)>;

    virtual ~RawInputSource() = default;
    // False when this desktop offers no input at all.
    virtual bool Start(RawInputBuffer& buffer, Post posted) = 0;
    virtual void Stop() = 0;
    // False when only input that reaches this program's own windows is seen (a Wayland
    // session, whose compositor shares no one's input with others).
    virtual bool SeesOtherPrograms() const = 0;
};

}  // namespace quillon
