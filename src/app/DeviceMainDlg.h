#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "app/CloseNotice.h"
#include "app/SystemTray.h"
#include "device/Clock.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceManager.h"
#include "device/DeviceStateObserver.h"
#include "input/TextTyper.h"
#include "protocol/CommandSet.h"
#include "protocol/DeviceWorker.h"
#include "protocol/TaskQueue.h"
#include "protocol/WorkerHost.h"
#include "store/SettingsStore.h"
#include "ui/WaitDlg.h"
#include "ui/pages/HomeFrame.h"
#include "ui/pages/PageHost.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MessageRouter.h"

class QObject;

namespace quillon {

// What the start-up code (or a test) gives the main window.
struct DeviceMainOptions {
    HidBackend* backend = nullptr;  // required: hidapi, or the virtual mouse's
    Clock* clock = nullptr;         // the device manager's; the real clock when null
    TextTyper* typer = nullptr;     // types emoji codes; nothing is typed when null
    std::string cataloguePath;      // empty: config.xml of the resource folder
    std::string dataFolder;         // empty: DataFolder()
    bool startWorker = true;        // false: tests run the worker's steps themselves
    // Step 2 of OnInitDialog: from now on this instance answers the single-instance socket.
    std::function<void()> startAnswering;
    // The quit paths (tray exit, quit request) with their exit code. Default: the tray icon
    // is already removed, so the modal run ends and the start-up code shuts down normally.
    std::function<void(int exitCode)> endProcess;
    // The notification-area icon; default CreateSystemTray.
    std::function<std::unique_ptr<SystemTray>(MWindow&)> createTray;
    // Opens a web address; default QDesktopServices.
    std::function<void(const std::string& url)> openUrl;
    // The pages besides the home page, in building order; default CreatePages.
    std::function<std::vector<std::unique_ptr<Page>>(PageHost&)> createPages;
    // Shown once in the message line after the first refresh (e.g. that the mouse is virtual).
    std::string startNotice;
};

// The main window's controller: owns the run-time state, the task queue, the device
// list, the device worker and the device watcher; handles its own rows of the dispatch table
// and the window messages, and routes every other control event to the page that owns the
// control. Pages reach it through PageHost, the worker through WorkerHost, the device refresh
// through DeviceStateObserver.
class DeviceMainDlg : public MDialog,
                      public WorkerHost,
                      public DeviceStateObserver,
                      public PageHost {
  public:
    // Internal window message: bring the window forward (a second start, a tray click).
    static constexpr unsigned kMsgShowWindow = 0x8001;
    static constexpr int kWidth = 1121;
    static constexpr int kHeight = 780;
    static constexpr int kWorkerIntervalMs = 30;
    static constexpr int kAnimationTimerMs = 10;
    static constexpr int kStartNoticeMs = 10000;

    explicit DeviceMainDlg(DeviceMainOptions options);
    ~DeviceMainDlg() override;

    // Start-up step 12: creates the window centred on the screen and runs it modally; returns
    // when the run ends. `shown` false: the window starts hidden ("-hide").
    int Run(bool shown);
    // The shutdown's step before destruction: the watcher and the worker stop, so nothing runs
    // on a window being destroyed. Safe to call twice.
    void StopWorker();
    // Brings the window forward; any thread.
    void RequestShow();
    // The exit code a quit path asked for (0 for every normal end on Linux).
    int ExitCode() const { return exitCode_; }
    // The initialisation's second half has run (pages, catalogue, database, first refresh,
    // worker): the first turn of the window's loop after Create.
    bool Initialised() const { return initialised_; }

    // ---- MDialog ----
    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
    int OnInitDialog() override;
    void InitUI(int left, int top, int right, int bottom) override;
    void UISize(int left, int top, int right, int bottom) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;

    // ---- WorkerHost (worker thread) ----
    bool IsPresent() const override { return present_; }
    bool IsLoaded() const override { return loaded_; }
    void SetLoaded(bool loaded) override { loaded_ = loaded; }
    int ActiveProfile() const override { return activeProfile_; }
    void RefreshDevices() override;
    void LoadProfileState() override;
    void RefreshButtonPage() override;
    void RefreshMacroList() override;
    void RefreshPerformancePage() override;
    void HideMacroEditing() override;
    void RestorePointerDefaults() override;
    void CloseWaitDialog() override { wait_.CloseCurrent(); }
    void SetBattery(int level, int state) override;
    void SetFirmwareText(const std::string& text) override;
    void ShowCurrentStage(int stage, int dpi) override;
    void ShowReportRate(int code) override;
    void SetLightMode(int mode) override;
    void PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // ---- DeviceStateObserver (the device refresh, either thread) ----
    void ResetBattery() override;
    void ClearMessage() override;
    void ShowConnectionState(ConnectionState state) override;
    void ShowBluetoothNotice() override;

    // ---- PageHost (GUI thread unless said otherwise) ----
    MDialog& Dialog() override { return *this; }
    SettingsStore& Store() override { return store_; }
    void SetActiveProfile(int profile) override;
    int ConnectionMode() const override;
    bool IsConnected() const override { return connected_; }
    void Enqueue(DeviceTask task) override { queue_.Enqueue(task); }
    void RunTaskWithWaitDialog(DeviceTask task) override;
    int ShowMessageBox(int titleId, int textId, int style) override;
    void ShowMessageLine(const std::string& text) override;
    int SelectedButton() const override { return selectedButton_; }
    void SetSelectedButton(int keyCode) override { selectedButton_ = keyCode; }
    int HighlightedStage() const override { return highlightedStage_; }
    void SetHighlightedStage(int controlId) override { highlightedStage_ = controlId; }
    float UiScale() const override { return uiScale_; }
    Page* FindPage(PageKind kind) override;
    void SetTabsEnabled(bool enabled) override;
    void SetLeftButtonLocked(bool locked) override { leftButtonLocked_ = locked; }

    // ---- For the start-up code and tests ----
    int CurrentTab() const { return currentTab_; }
    int DeviceType() const { return deviceType_; }
    int LightMode() const { return lightMode_; }
    TaskQueue& Queue() { return queue_; }
    DeviceManager& Devices() { return *devices_; }
    DeviceWorker& Worker() { return *worker_; }
    HomeFrame& Frame() { return *frame_; }
    const DeviceCatalogue& Catalogue() const { return catalogue_; }
    const MessageRouter& Router() const { return router_; }
    const WaitDialogSlot& WaitDialog() const { return wait_; }
    // Font size of the message line: 16 × UI scale.
    int MessageFontSize() const;
    MRect MessageRect() const;

  protected:
    // A window-manager close (Alt+F4) does what the close button does.
    void OnClose() override;

  private:
    // Routes: the controller's own rows, then each page's ids (DeviceMainMessages.cpp).
    void RouteOwnRows();
    void RoutePages();
    int OnOwnControl(int controlId, int event, std::intptr_t param);
    // Window messages meant for pages: the first page that takes it answers.
    std::intptr_t ToPages(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void OnDeviceChangeMessage(std::uintptr_t wParam);
    void OnTrayMessage(std::intptr_t mouseMessage);
    // Hides the window (close button, window-manager close); the first time without a tray
    // icon the user is told how to get it back.
    void HideToTray();
    void Quit();

    // Handlers of the controller's rows (DeviceMainActions.cpp).
    int OnTabSwitch(std::intptr_t position);
    int OnWindowButton(int controlId);
    int OnTaskButton(int controlId);
    int OnRestoreDefaults();
    int OnLanguageSwitch();
    int OnFactoryReset();
    void ShowWaitDialogFor(DeviceTask task);
    // Every text of the frame and the pages again, in the current language.
    void ApplyTexts();

    // Start-up (DeviceMainDlg.cpp).
    void FinishInitialisation();
    void BuildPages();
    void LoadCatalogue();
    void StartWatching();
    void ShowStartNotice();

    template <class Fn>
    void ForEachPage(Fn&& fn) {
        if (frame_) {
            fn(static_cast<Page&>(*frame_));
        }
        for (const auto& page : pages_) {
            fn(*page);
        }
    }

    DeviceMainOptions options_;
    // Context of the window's timers: they die with it, never firing on what is left of it.
    std::unique_ptr<QObject> timers_;
    std::string dataFolder_;
    DeviceCatalogue catalogue_;
    SettingsStore store_;
    std::unique_ptr<TextTyper> silentTyper_;
    std::unique_ptr<DeviceManager> devices_;
    TaskQueue queue_;
    std::unique_ptr<CommandSet> commands_;
    std::unique_ptr<DeviceWorker> worker_;
    std::unique_ptr<DeviceChangeSource> watcher_;
    std::unique_ptr<SystemTray> tray_;
    CloseNotice closeNotice_;

    // Pages: created once the window is shown, before the worker starts, never changed
    // afterwards (the worker reads the list).
    std::unique_ptr<HomeFrame> frame_;
    std::vector<std::unique_ptr<Page>> pages_;
    MessageRouter router_;
    WaitDialogSlot wait_;

    // Device changes reported by the watcher's thread, taken by WM_DEVICECHANGE in order.
    std::mutex changesMutex_;
    std::deque<std::pair<DeviceChangeEvent, std::string>> changes_;

    // Controller state the worker shares.
    std::atomic<bool> present_{false};
    std::atomic<bool> connected_{false};
    std::atomic<bool> loaded_{false};
    std::atomic<int> deviceType_{0};
    std::atomic<int> activeProfile_{1};
    std::atomic<int> selectedButton_{0};
    std::atomic<int> highlightedStage_{101};
    std::atomic<int> currentTab_{1};
    std::atomic<int> lightMode_{0};
    std::atomic<bool> leftButtonLocked_{true};
    std::atomic<float> uiScale_{1.0f};
    std::uint32_t textColor_ = kColorText;
    std::string textFontName_;
    std::string messageFontName_;
    mutable std::mutex layoutMutex_;
    MRect messageRect_;
    int exitCode_ = 0;
    bool stopped_ = false;
    bool initialised_ = false;
};

}  // namespace quillon
