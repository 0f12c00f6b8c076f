// The controller as a router: control events by id, window messages by number.
#include <QWidget>

#include "app/DeviceMainDlg.h"
#include "app/Trace.h"
#include "device/DeviceChange.h"
#include "platform/LanguageTable.h"
#include "ui/MessageBox.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/pages/WindowMessages.h"

namespace quillon {
namespace {

constexpr int kMacrosRefusedText = 119;

constexpr int kLanguageBox = 275;
constexpr int kFactoryResetButton = 278;

// The rows of the dispatch table that are the controller's own. A page may build
// such a control (the button page builds 88-90, the settings page 275 and 278), but its events
// are the window's.
const std::vector<IdRange>& OwnIds() {
    static const std::vector<IdRange> ids = {{home_ids::kClose, home_ids::kMinimize},
                                             {home_ids::kWebLink, home_ids::kTabs},
                                             {88, 90},
                                             {kLanguageBox, kLanguageBox},
                                             {kFactoryResetButton, kFactoryResetButton}};
    return ids;
}

// `ranges` without the ids of `taken`.
std::vector<IdRange> Without(const std::vector<IdRange>& ranges,
                             const std::vector<IdRange>& taken) {
    std::vector<IdRange> left = ranges;
    for (const IdRange& cut : taken) {
        std::vector<IdRange> next;
        for (const IdRange& range : left) {
            if (cut.last < range.first || range.last < cut.first) {
                next.push_back(range);
                continue;
            }
            if (range.first < cut.first) {
                next.push_back({range.first, cut.first - 1});
            }
            if (cut.last < range.last) {
                next.push_back({cut.last + 1, range.last});
            }
        }
        left = std::move(next);
    }
    return left;
}

const char* PageName(PageKind kind) {
    switch (kind) {
        case PageKind::Home:
            return "home";
        case PageKind::Buttons:
            return "buttons";
        case PageKind::Performance:
            return "performance";
        case PageKind::Macros:
            return "macros";
        case PageKind::Settings:
            return "settings";
    }
    return "page";
}

}  // namespace

void DeviceMainDlg::RouteOwnRows() {
    router_.Route(OwnIds(), "window", [this](int id, int event, std::intptr_t param) {
        return OnOwnControl(id, event, param);
    });
}

void DeviceMainDlg::RoutePages() {
    for (const auto& page : pages_) {
        Page* target = page.get();
        std::vector<IdRange> ids = Without(target->Ids(), OwnIds());
        if (!ids.empty()) {
            router_.Route(ids, PageName(target->Kind()),
                          [target](int id, int event, std::intptr_t param) {
                              return target->OnMessage(id, event, param);
                          });
        }
    }
}

int DeviceMainDlg::OnMessage(int controlId, int event, std::intptr_t param) {
    return router_.Dispatch(controlId, event, param);
}

int DeviceMainDlg::OnOwnControl(int controlId, int event, std::intptr_t param) {
    switch (controlId) {
        case home_ids::kTabs:
            return OnTabSwitch(param);
        case kLanguageBox:
            return OnLanguageSwitch();
        default:
            break;
    }
    // The other rows act on a click only.
    if (event != kEventClick) {
        return 0;
    }
    switch (controlId) {
        case home_ids::kClose:
        case home_ids::kMinimize:
        case home_ids::kWebLink:
            return OnWindowButton(controlId);
        case 88:
        case 89:
        case 90:
            return OnTaskButton(controlId);
        case kFactoryResetButton:
            return OnFactoryReset();
        default:
            return 0;
    }
}

std::intptr_t DeviceMainDlg::OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam) {
    switch (message) {
        case WM_DEVICECHANGE:
            OnDeviceChangeMessage(wParam);
            return 0;
        case WM_INPUT:
            return ToPages(message, wParam, lParam);
        case WM_COMMAND:
            if (wParam == kTrayExitCommand) {
                Quit();
                return 0;
            }
            break;
        case MSG_TRAY:
            OnTrayMessage(lParam);
            return 0;
        case MSG_QUIT_REQUEST:
            if (lParam == kQuitRequestCode) {
                Quit();
            }
            return 0;
        case MSG_PROFILE_FILE:
        case MSG_MACRO_MENU:
            ToPages(message, wParam, lParam);
            return 1;
        case MSG_INSERT_MENU:
        case MSG_ITEM_MENU:
        case MSG_DPI_CHANGED:
            return ToPages(message, wParam, lParam);
        case MSG_TASK_DONE:
            if (lParam == kTaskDoneApplied) {
                ShowMessageBox(115, 210, kMessageBoxOk);
            } else if (lParam == kTaskDoneMacrosRefused) {
                // Nothing was sent: the box says which macro does not fit and by how much.
                ShowMessageText(115, GetText(kMacrosRefusedText) + "\n" + commands_->MacroProblem(),
                                kMessageBoxOk);
            } else {
                ShowMessageBox(112, 212, kMessageBoxOk);
            }
            return 1;
        case MSG_APPLY_TEXTS:
            ApplyTexts();
            break;
        case MSG_MOUSE_AT_EDGE:
            Trace("OnMouseAtEdge edgeSide: %d\n", static_cast<int>(wParam));
            return 0;
        case kMsgShowWindow:
            Trace("quillon-mouse: window shown\n");
            ShowWindow(kSwShowNormal);
            if (View() != nullptr) {
                View()->activateWindow();
            }
            return 0;
        default:
            break;
    }
    return MDialog::OnWindowMessage(message, wParam, lParam);
}

std::intptr_t DeviceMainDlg::ToPages(std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    for (const auto& page : pages_) {
        std::intptr_t result = 0;
        if (page->OnWindowMessage(message, wParam, lParam, result)) {
            return result;
        }
    }
    return 0;
}

void DeviceMainDlg::OnDeviceChangeMessage(std::uintptr_t wParam) {
    std::pair<DeviceChangeEvent, std::string> change;
    {
        std::lock_guard lock(changesMutex_);
        if (changes_.empty()) {
            return;
        }
        change = std::move(changes_.front());
        changes_.pop_front();
    }
    if ((wParam == kDeviceArrival) != (change.first == DeviceChangeEvent::Arrival)) {
        return;  // not the change this message announced: the queue and the messages disagree
    }
    quillon::OnDeviceChange(*devices_, change.first, change.second, present_,
                            [this](int task) { queue_.Enqueue(task); });
}

void DeviceMainDlg::OnTrayMessage(std::intptr_t mouseMessage) {
    // The right button opens the icon's own menu (SystemTray), whose item posts the exit.
    if (mouseMessage == kTrayLeftButtonUp || mouseMessage == kTrayLeftDoubleClick) {
        OnWindowMessage(kMsgShowWindow, 0, 0);
    }
}

// Both quit paths: on Windows they ended the process at once; here the run ends normally, so
// the worker is stopped and the virtual mouse's state written before the process exits with 0.
void DeviceMainDlg::Quit() {
    if (tray_) {
        tray_->Remove();
    }
    options_.endProcess(0);
}

}  // namespace quillon
