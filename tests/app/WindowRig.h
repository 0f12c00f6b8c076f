#pragma once

#include <QCoreApplication>
#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/DeviceMainDlg.h"
#include "emulator/VirtualMouse.h"
#include "emulator/VirtualMouseBackend.h"
#include "platform/Paths.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"
#include "support/VirtualMouseRig.h"
#include "ui/MessageBox.h"
#include "ui/WaitDlg.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon::test {

// Processes events until `done` holds or the time is up; false on time-out.
inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds patience = std::chrono::seconds(10)) {
    auto deadline = std::chrono::steady_clock::now() + patience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// The main window over the virtual mouse, in a temporary home with a real database, created
// (InitUI, OnInitDialog) but not run modally: tests drive OnMessage and OnWindowMessage. With
// `worker` the device worker runs on its thread in real time; without it the queue keeps what
// the window queued and the device manager's clock never waits.
struct WindowRig {
    IsolatedHome home;
    ManualClock clock;
    VirtualMouse mouse;
    VirtualMouseBackend backend{mouse};
    std::vector<int> endedWith;
    std::vector<std::string> openedUrls;
    std::unique_ptr<DeviceMainDlg> window;

    WindowRig(std::initializer_list<VirtualInterfaceConfig> links, bool worker = false,
              std::function<std::vector<std::unique_ptr<Page>>(PageHost&)> pages = {}) {
        for (const VirtualInterfaceConfig& link : links) {
            mouse.Connect(link);
        }
        DeviceMainOptions options;
        options.createPages = std::move(pages);
        options.backend = &backend;
        options.clock = worker ? nullptr : &clock;
        options.startWorker = worker;
        options.endProcess = [this](int code) { endedWith.push_back(code); };
        options.openUrl = [this](const std::string& url) { openedUrls.push_back(url); };
        window = std::make_unique<DeviceMainDlg>(std::move(options));
        window->Create(nullptr, kProductName, kWsPopup, 0,
                       {0, 0, DeviceMainDlg::kWidth, DeviceMainDlg::kHeight});
        WaitUntil([this] { return window->Initialised(); });
        if (!worker) {
            window->LoadProfileState();  // what the worker's InitialLoad starts with
        }
    }
    ~WindowRig() { window.reset(); }

    DeviceMainDlg& operator*() { return *window; }
    DeviceMainDlg* operator->() { return window.get(); }

    // The task ids queued so far, taken off the queue.
    std::vector<int> TakeQueued() {
        std::vector<int> ids;
        int id = 0;
        while (window->Queue().TryTake(id)) {
            ids.push_back(id);
        }
        return ids;
    }
    int Click(int id, std::intptr_t param = 0) { return window->OnMessage(id, kEventClick, param); }
};

// Answers the modal runs: message boxes from `answers` (kIdOk when empty) by pressing their
// buttons, wait dialogs with DoOK; records what each box said.
struct ModalAnswers {
    struct Box {
        std::string title;
        std::string text;
        bool operator==(const Box&) const = default;
    };
    std::deque<int> answers;
    std::vector<Box> boxes;
    int waitDialogs = 0;
    ScopedModalHandler handler{[this](MDialog& dialog) { Answer(dialog); }};

    void Answer(MDialog& dialog) {
        if (dynamic_cast<WaitDlg*>(&dialog) != nullptr) {
            ++waitDialogs;
            dialog.DoOK();
            return;
        }
        boxes.push_back({dialog.GetControl(CUIMessageBox::kTitleId)->GetTitle(),
                         dialog.GetControl(CUIMessageBox::kMessageId)->GetTitle()});
        int answer = kIdOk;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        int button = answer == kIdOk ? CUIMessageBox::kOkButtonId : CUIMessageBox::kCancelButtonId;
        if (dialog.GetControl(button) != nullptr) {
            dialog.OnMessage(button, kEventClick, 0);
        } else {
            dialog.EndModal(answer);
        }
    }
};

}  // namespace quillon::test
