#include "app/DeviceMainDlg.h"

#include <QDesktopServices>
#include <QIcon>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cmath>

#include "app/WindowIcon.h"
#include "device/CatalogueStartup.h"
#include "platform/LanguageTable.h"
#include "platform/Paths.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/pages/PageList.h"
#include "ui/pages/WindowMessages.h"
#include "ui/toolkit/MTabLayout.h"

namespace quillon {
namespace {

constexpr const char* kFontName = "Open Sans Semibold";

// Where no typer is given: the emoji button's code goes nowhere.
class SilentTyper : public TextTyper {
  public:
    void TypeCharacter(char32_t) override {}
};

}  // namespace

DeviceMainDlg::DeviceMainDlg(DeviceMainOptions options)
    : options_(std::move(options)), timers_(std::make_unique<QObject>()) {
    dataFolder_ =
        options_.dataFolder.empty() ? DataFolder() : WithTrailingSlash(options_.dataFolder);
    if (!options_.endProcess) {
        options_.endProcess = [this](int exitCode) {
            exitCode_ = exitCode;
            EndModal(kIdOk);
        };
    }
    if (!options_.createTray) {
        options_.createTray = [](MWindow& window) { return CreateSystemTray(window); };
    }
    if (!options_.createPages) {
        options_.createPages = [](PageHost& host) { return CreatePages(host); };
    }
    if (!options_.openUrl) {
        options_.openUrl = [](const std::string& url) {
            QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
        };
    }
    TextTyper* typer = options_.typer;
    if (typer == nullptr) {
        silentTyper_ = std::make_unique<SilentTyper>();
        typer = silentTyper_.get();
    }
    devices_ = options_.clock != nullptr
                   ? std::make_unique<DeviceManager>(*options_.backend, *options_.clock)
                   : std::make_unique<DeviceManager>(*options_.backend);
    commands_ = std::make_unique<CommandSet>(*devices_, store_, *this, queue_, *typer);
    worker_ = std::make_unique<DeviceWorker>(queue_, *this, *commands_);
}

DeviceMainDlg::~DeviceMainDlg() {
    timers_.reset();  // a timer of ours never fires on a window being destroyed
    StopWorker();
    if (tray_) {
        tray_->Remove();
    }
    // The controls go while the pages that point at them still exist.
    DestroyWindow();
}

int DeviceMainDlg::Run(bool shown) {
    // Created hidden and centred, then shown: one map, at its place.
    Create(nullptr, kProductName, kWsPopup | kWsClipSiblings | kWsClipChildren, 0,
           {0, 0, kWidth, kHeight});
    CenterWindow(nullptr);
    return ShowModal(shown ? kSwShowNormal : kSwHide);
}

void DeviceMainDlg::StopWorker() {
    if (stopped_) {
        return;
    }
    stopped_ = true;
    if (watcher_) {
        watcher_->Stop();
    }
    // Stop() waits 1000 ms at a time; a long step is waited for until it ends, so no step ever
    // outlives the window it reports to.
    while (!worker_->Stop()) {
    }
    wait_.CloseCurrent();
}

void DeviceMainDlg::RequestShow() {
    MWindow::PostMessage(kMsgShowWindow, 0, 0);
}

void DeviceMainDlg::PostMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    MWindow::PostMessage(message, wParam, lParam);
}

void DeviceMainDlg::OnClose() {
    HideToTray();
}

void DeviceMainDlg::HideToTray() {
    closeNotice_.WindowClosing(*this, tray_ && tray_->IsShown());
    ShowWindow(kSwHide);
}

void DeviceMainDlg::InitUI(int left, int top, int right, int bottom) {
    textFontName_ = kFontName;
    messageFontName_ = kFontName;
    EnableWndDrag(true);  // a borderless window is moved by its background
    frame_ = std::make_unique<HomeFrame>(*this);
    frame_->BuildFrame();
    frame_->Build(*frame_->Area(PageKind::Home));
    frame_->BuildWindowButtons();
    RouteOwnRows();
    UISize(left, top, right, bottom);
    // The other pages follow once the window is on the screen (BuildPages): they sit in hidden
    // areas until a mouse is connected, and their hundreds of controls would keep it off the
    // screen meanwhile.
}

void DeviceMainDlg::BuildPages() {
    pages_ = options_.createPages(*this);
    for (const auto& page : pages_) {
        if (MTabLayout* area = frame_->Area(page->Kind())) {
            page->Build(*area);
        }
    }
    RoutePages();
    // The link and the window buttons come last in the keyboard order, after the pages.
    for (int id : {home_ids::kWebLink, home_ids::kMinimize, home_ids::kClose}) {
        QWidget* last = View() != nullptr ? View()->previousInFocusChain() : nullptr;
        MControl* control = GetControl(id);
        if (last != nullptr && control != nullptr && control->View() != nullptr &&
            last != control->View()) {
            QWidget::setTabOrder(last, control->View());
        }
    }
    const MRect client = GetClientRect();
    UISize(0, 0, client.right, client.bottom);
}

void DeviceMainDlg::UISize(int left, int top, int right, int bottom) {
    const int w = right - left;
    const int h = bottom - top;
    const float scale = static_cast<float>(h) / static_cast<float>(kHeight);
    uiScale_ = scale;
    frame_->Place(w, h, scale);
    for (const auto& page : pages_) {
        page->Place(w, h, scale);
    }
    {
        std::lock_guard lock(layoutMutex_);
        messageRect_ = HomeFrame::MessageRect(w, h);
    }
    if (ConnectionMode() == kBluetoothMode) {
        SetMessage(GetText(home_ids::kBluetoothNotice), MessageRect(), MessageFontSize());
    }
}

int DeviceMainDlg::MessageFontSize() const {
    return static_cast<int>(std::lround(16.0f * uiScale_.load()));
}

MRect DeviceMainDlg::MessageRect() const {
    std::lock_guard lock(layoutMutex_);
    return messageRect_;
}

int DeviceMainDlg::OnInitDialog() {
    MDialog::OnInitDialog();
    // 2: from here on this instance is the one a second start talks to.
    if (options_.startAnswering) {
        options_.startAnswering();
    }
    // 3: the notification-area icon (optional: the window works without a tray).
    tray_ = options_.createTray(*this);
    if (tray_) {
        tray_->Add(kProductName);
    }
    // The pages and 4 to 8 once the window's loop runs, so the window is on the screen first
    // instead of after them, its icon, the catalogue, the database and the device list. A
    // timer, not a posted call: the loop hands its requests (the map) to the display server only
    // when it waits, and the timer makes it wait once before these steps.
    QTimer::singleShot(1, timers_.get(), [this] { FinishInitialisation(); });
    return 1;
}

void DeviceMainDlg::FinishInitialisation() {
    BuildPages();
    // 4: the window icon.
    if (View() != nullptr) {
        View()->setWindowIcon(ProgramIcon());
    }
    // 5: catalogue, database, device watcher, first refresh.
    LoadCatalogue();
    // 6 and 7.
    queue_.Enqueue(DeviceTask::InitialLoad);
    if (options_.startWorker && !worker_->IsRunning()) {
        worker_->Start(kWorkerIntervalMs, true);
    }
    // 8.
    SetMTimer(kAnimationTimerMs);
    ShowStartNotice();
    initialised_ = true;
}

void DeviceMainDlg::LoadCatalogue() {
    CatalogueStartupSteps steps;
    steps.showVersion = [this](const std::string& version) {
        ForEachPage([&](Page& page) { page.SetSoftwareVersion(version); });
    };
    steps.setDeviceType = [this](int deviceType) { devices_->SetDeviceType(deviceType); };
    steps.disableInputMethod = [this] {
        if (View() != nullptr) {
            View()->setAttribute(Qt::WA_InputMethodEnabled, false);
        }
    };
    steps.openSettingsDatabase = [this] {
        store_.OpenSettingsDatabase(dataFolder_, DatabaseKeyForRecordedType(catalogue_));
    };
    steps.registerDeviceNotifications = [this] { StartWatching(); };
    steps.refreshDevices = [this] { RefreshDevices(); };
    LoadAndApplyCatalogue(
        catalogue_,
        options_.cataloguePath.empty() ? DefaultCataloguePath() : options_.cataloguePath, steps);
}

void DeviceMainDlg::StartWatching() {
    watcher_ = options_.backend->CreateChangeSource();
    // Events come on the watcher's thread; the window thread takes them in order.
    bool watching = watcher_->Start([this](DeviceChangeEvent event, const std::string& path) {
        {
            std::lock_guard lock(changesMutex_);
            changes_.emplace_back(event, path);
        }
        MWindow::PostMessage(WM_DEVICECHANGE,
                             event == DeviceChangeEvent::Arrival ? kDeviceArrival : kDeviceRemoval,
                             0);
    });
    if (!watching) {
        watcher_.reset();
    }
}

void DeviceMainDlg::ShowStartNotice() {
    // A notice of the connection (Bluetooth) has the line first.
    if (options_.startNotice.empty() || !GetMessage().empty()) {
        return;
    }
    const std::string notice = options_.startNotice;
    ShowMessageLine(notice);
    // Once: it goes with the next refresh, or after a while if nothing else took its place.
    QTimer::singleShot(kStartNoticeMs, timers_.get(), [this, notice] {
        if (GetMessage() == notice) {
            ShowMessageLine({});
        }
    });
}

}  // namespace quillon
