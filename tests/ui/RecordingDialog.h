#pragma once

#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "ui/toolkit/MDialog.h"

namespace quillon::test {

// A dialog that builds what a test gives it and records every event and window message it gets.
class RecordingDialog : public MDialog {
  public:
    struct Event {
        int id;
        int code;
        std::intptr_t param;
        bool operator==(const Event&) const = default;
    };
    struct Message {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        std::thread::id thread;
    };

    std::function<void(RecordingDialog&)> build;
    std::vector<Event> events;
    std::vector<Message> messages;
    int initDialogCalls = 0;
    std::vector<MRect> layouts;

    // Creates the dialog at 600 x 400 and shows it.
    void Open() { Create(nullptr, "Test", kWsPopup | kWsVisible, 0, {100, 100, 700, 500}); }

    void InitUI(int, int, int, int) override {
        if (build) {
            build(*this);
        }
    }
    int OnInitDialog() override {
        ++initDialogCalls;
        return 1;
    }
    void UISize(int left, int top, int right, int bottom) override {
        layouts.push_back({left, top, right, bottom});
    }
    int OnMessage(int id, int code, std::intptr_t param) override {
        events.push_back({id, code, param});
        return 1;
    }
    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override {
        messages.push_back({message, wParam, lParam, std::this_thread::get_id()});
        return 0;
    }

    // Events of one control, in order.
    std::vector<Event> EventsOf(int id) const {
        std::vector<Event> found;
        for (const Event& event : events) {
            if (event.id == id) {
                found.push_back(event);
            }
        }
        return found;
    }
};

}  // namespace quillon::test
