#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "store/SettingsStore.h"
#include "support/TempDir.h"
#include "ui/pages/Page.h"
#include "ui/pages/PageHost.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MTabLayout.h"
#include "ui/toolkit/MessageRouter.h"

namespace quillon::test {

// A main window of one page, for page tests: a real database in a temporary data folder (five
// default profiles, profile 1 active), a 1121 × 780 dialog with the page's area, and a host that
// records what the page asks of the window. Message boxes (of text ids in `boxes`, of composed
// texts in `textBoxes`) take their answers from `answers` (kIdOk when it is empty) and are
// recorded.
//
//     PageTestHost host;
//     auto& page = host.Install(std::make_unique<PerformancePage>(host));
//     host.Click(101);
class PageTestHost : public PageHost {
  public:
    struct Box {
        int titleId;
        int textId;
        int style;
    };
    struct TextBox {
        int titleId;
        std::string text;
        int style;
    };
    struct Message {
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };

    PageTestHost();
    ~PageTestHost() override;

    // Builds the page in its area, lays out the window and refreshes the page once.
    Page& Install(std::unique_ptr<Page> page);
    Page& GetPage() const { return *page_; }
    MTabLayout& Area() const { return *area_; }

    // Sends a control event through the window's routing, as a click or typing would.
    int Send(int controlId, int event, std::intptr_t param = 0);
    int Click(int controlId, std::intptr_t param = 0);
    // Lays the window out at a client size (the UI scale follows the height).
    void Resize(int width, int height);

    MDialog& Dialog() override;
    SettingsStore& Store() override { return store; }
    int ActiveProfile() const override { return activeProfile; }
    void SetActiveProfile(int profile) override;
    int ConnectionMode() const override { return connectionMode; }
    bool IsConnected() const override { return connected; }
    void Enqueue(DeviceTask task) override { tasks.push_back(task); }
    void RunTaskWithWaitDialog(DeviceTask task) override { waitTasks.push_back(task); }
    int ShowMessageBox(int titleId, int textId, int style) override;
    void ShowMessageLine(const std::string& text) override { messageLine = text; }
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    int SelectedButton() const override { return selectedButton; }
    void SetSelectedButton(int keyCode) override { selectedButton = keyCode; }
    int HighlightedStage() const override { return highlightedStage; }
    void SetHighlightedStage(int controlId) override { highlightedStage = controlId; }
    float UiScale() const override { return uiScale; }
    Page* FindPage(PageKind kind) override;
    void SetTabsEnabled(bool enabled) override { tabsEnabled = enabled; }
    void SetLeftButtonLocked(bool locked) override { leftButtonLocked = locked; }
    int ShowMessageText(int titleId, const std::string& text, int style) override;

    TempDir dataFolder;
    SettingsStore store;
    int activeProfile = 1;
    int connectionMode = 0;
    bool connected = true;
    int selectedButton = 0;
    // Written by pages, which the device worker may drive.
    std::atomic<int> highlightedStage = 101;
    float uiScale = 1.0f;
    bool tabsEnabled = true;
    std::atomic<bool> leftButtonLocked = false;
    std::string messageLine;
    std::deque<int> answers;
    std::vector<Box> boxes;
    std::vector<TextBox> textBoxes;
    std::vector<DeviceTask> tasks;
    std::vector<DeviceTask> waitTasks;
    // Posted messages, in order (written under postedMutex: PostMessage works from any thread).
    std::vector<Message> posted;
    std::mutex postedMutex;
    // Also queue posted messages for the window's loop, which hands them to the page.
    bool deliverPosted = false;

  private:
    class Window;
    int NextAnswer();

    std::unique_ptr<Window> window_;
    MTabLayout* area_ = nullptr;
    std::unique_ptr<Page> page_;
    MessageRouter router_;
};

}  // namespace quillon::test
