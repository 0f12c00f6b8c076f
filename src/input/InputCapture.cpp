#include "input/InputCapture.h"

#include <utility>

namespace quillon {
namespace {

// The sided Shift, Ctrl and Alt keys, the Win keys and the Application key.
bool IsModifierKey(int code) {
    return (code >= 0xA0 && code <= 0xA5) || (code >= 0x5B && code <= 0x5D);
}

}  // namespace

InputCapture::InputCapture(std::unique_ptr<RawInputSource> source, RawInputSource::Post post)
    : source_(std::move(source)), post_(std::move(post)) {}

InputCapture::~InputCapture() {
    DestroyReader();
}

void InputCapture::CreateReader() {
    DestroyReader();
    reader_.emplace();
    if (source_) {
        source_->Start(buffer_, post_);
    }
}

void InputCapture::DestroyReader() {
    if (reader_ && source_) {
        source_->Stop();
    }
    reader_.reset();
    mode_ = kIdle;
}

void InputCapture::StartRecording(std::vector<MacroItem> items, MacroRecorder::PauseMode mode,
                                  int fixedPause, std::uint32_t tick) {
    items_ = std::move(items);
    recorder_.Start(mode, fixedPause, tick);
    CreateReader();
    mode_ = kRecording;
}

std::vector<MacroItem> InputCapture::StopRecording() {
    DestroyReader();
    return std::exchange(items_, {});
}

void InputCapture::BeginKeyCapture(Keys keys) {
    captured_ = {};
    keys_ = keys;
    CreateReader();
    mode_ = kKeyCapture;
}

CapturedKey InputCapture::EndKeyCapture() {
    if (mode_ == kKeyCapture) {
        DestroyReader();
    }
    return captured_;
}

InputCapture::Outcome InputCapture::OnRawInput(std::uintptr_t handle,
                                               const OnRecordButton& onRecordButton) {
    Outcome outcome;
    RawInput raw;
    if (!buffer_.Take(handle, raw) || !reader_) {
        return outcome;
    }
    const InputEvent event = reader_->DecodeRawInput(raw);
    if (event.name.empty()) {
        return outcome;
    }
    if (mode_ == kRecording) {
        const size_t before = items_.size();
        const bool onButton = onRecordButton && onRecordButton(event.pointerX, event.pointerY);
        const MacroRecorder::Outcome result = recorder_.RecordEvent(event, onButton, items_);
        outcome.itemsAdded = static_cast<int>(items_.size() - before);
        outcome.limitReached = result == MacroRecorder::Outcome::LimitReached;
    } else if (mode_ == kKeyCapture && event.kind == InputEvent::kKeyboard &&
               !(keys_ == Keys::NoModifiers && IsModifierKey(event.code))) {
        captured_ = {event.code, event.name};
        outcome.keyCaptured = true;
    }
    return outcome;
}

}  // namespace quillon
