#pragma once

#include <mutex>
#include <string>

#include "input/TextTyper.h"

namespace quillon::test {

// A typer that keeps what it was asked to type instead of sending keystrokes.
class RecordingTyper : public TextTyper {
  public:
    void TypeCharacter(char32_t character) override {
        std::lock_guard lock(mutex_);
        typed_.push_back(character);
    }
    std::u32string Typed() const {
        std::lock_guard lock(mutex_);
        return typed_;
    }

  private:
    mutable std::mutex mutex_;
    std::u32string typed_;
};

}  // namespace quillon::test
