#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "input/KeyNames.h"
#include "input/MacroRecorder.h"
#include "input/RawInputBuffer.h"
#include "input/RawInputReader.h"
#include "input/RawInputSource.h"
#include "store/Records.h"

namespace quillon {

// The macro page's use of raw input: recording a macro (capture mode 1) or capturing one key
// for the key item editor (capture mode 12). A reader exists only while one of them runs; the
// desktop's source runs with it, and raw input that arrives without a reader is ignored.
class InputCapture {
  public:
    enum Mode : int { kIdle = 0, kRecording = 1, kKeyCapture = 12 };
    struct Outcome {
        int itemsAdded = 0;
        bool limitReached = false;
        bool keyCaptured = false;
    };
    // Whether a pointer position (desktop coordinates) lies on the record button.
    using OnRecordButton = std::function<bool(int x, int y)>;

    // `post` turns a buffered report's handle into the window's raw-input message.
    InputCapture(std::unique_ptr<RawInputSource> source, RawInputSource::Post post);
    ~InputCapture();
    InputCapture(const InputCapture&) = delete;
    InputCapture& operator=(const InputCapture&) = delete;

    bool SeesOtherPrograms() const { return source_ && source_->SeesOtherPrograms(); }
    Mode CaptureMode() const { return mode_; }

    // Records after the list's `items`, with the macro's pause choice.
    void StartRecording(std::vector<MacroItem> items, MacroRecorder::PauseMode mode, int fixedPause,
                        std::uint32_t tick);
    // Ends the recording; the list with what was recorded.
    std::vector<MacroItem> StopRecording();
    const std::vector<MacroItem>& RecordedItems() const { return items_; }

    // Which keys a key capture takes: the macro editor takes every key; the assignment dialog
    // leaves out Shift, Ctrl, Alt, the Win keys and the Application key, which it offers as
    // check boxes.
    enum class Keys { All, NoModifiers };

    // Clears the captured key and starts capturing.
    void BeginKeyCapture(Keys keys = Keys::All);
    // Stops capturing; the last key pressed or released meanwhile (code 0, no name: none).
    CapturedKey EndKeyCapture();
    const CapturedKey& CapturedKeyNow() const { return captured_; }

    // The handler of the raw-input message.
    Outcome OnRawInput(std::uintptr_t handle, const OnRecordButton& onRecordButton);

    RawInputBuffer& Buffer() { return buffer_; }

  private:
    void CreateReader();
    void DestroyReader();

    std::unique_ptr<RawInputSource> source_;
    RawInputSource::Post post_;
    RawInputBuffer buffer_;
    std::optional<RawInputReader> reader_;
    Mode mode_ = kIdle;
    MacroRecorder recorder_;
    std::vector<MacroItem> items_;
    CapturedKey captured_;
    Keys keys_ = Keys::All;
};

}  // namespace quillon
