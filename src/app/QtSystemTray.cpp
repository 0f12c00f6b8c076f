#include "app/QtSystemTray.h"

#include <QAction>
#include <QMetaObject>

#include "app/DesktopNotification.h"
#include "app/TrayIconImage.h"
#include "platform/LanguageTable.h"
#include "platform/Paths.h"
#include "ui/toolkit/MWindow.h"
#include "ui/toolkit/QueuedCall.h"

namespace quillon {
namespace {

constexpr int kExitText = 12;
constexpr int kLowBatteryTitle = 683;
constexpr int kLowBatteryText = 684;
constexpr int kBatteryLevelText = 685;
constexpr int kChargingText = 686;

// A text with "%d" standing for a number.
std::string WithNumber(int textId, int number) {
    std::string text = GetText(textId);
    if (const size_t at = text.find("%d"); at != std::string::npos) {
        text.replace(at, 2, std::to_string(number));
    }
    return text;
}

}  // namespace

QtSystemTray::QtSystemTray(MWindow& window)
    : window_(window), guiContext_(std::make_unique<QObject>()), name_(kProductName) {
    icon_.setIcon(TrayIcon());
    icon_.setToolTip(QString::fromStdString(name_));
    // The menu's text is set once, as the tray's item always was.
    QAction* exit = menu_.addAction(QString::fromStdString(GetText(kExitText)));
    QObject::connect(exit, &QAction::triggered, guiContext_.get(),
                     [this] { window_.PostMessage(WM_COMMAND, kTrayExitCommand, 0); });
    icon_.setContextMenu(&menu_);
    QObject::connect(&icon_, &QSystemTrayIcon::activated, guiContext_.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) { Activated(reason); });
}

QtSystemTray::~QtSystemTray() {
    guiContext_.reset();
    icon_.hide();
}

bool QtSystemTray::Add(const std::string& tip) {
    {
        std::lock_guard lock(mutex_);
        name_ = tip;
    }
    icon_.setToolTip(QString::fromStdString(Tip()));
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return false;
    }
    icon_.show();
    shown_ = true;
    return true;
}

void QtSystemTray::Remove() {
    if (shown_.exchange(false)) {
        icon_.hide();
    }
}

void QtSystemTray::SetBattery(int level, int state) {
    bool notice = false;
    {
        std::lock_guard lock(mutex_);
        level_ = level;
        state_ = state;
        notice = watch_.Report(level, state);
    }
    PostQueuedCall(guiContext_.get(), [this, notice, level] { ShowBattery(notice, level); });
}

void QtSystemTray::Activated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) {
        window_.PostMessage(MSG_TRAY, 0, kTrayLeftButtonUp);
    } else if (reason == QSystemTrayIcon::DoubleClick) {
        window_.PostMessage(MSG_TRAY, 0, kTrayLeftDoubleClick);
    }
}

void QtSystemTray::ShowBattery(bool lowBatteryNotice, int level) {
    icon_.setToolTip(QString::fromStdString(Tip()));
    if (!lowBatteryNotice) {
        return;
    }
    const std::string title = GetText(kLowBatteryTitle);
    const std::string body = WithNumber(kLowBatteryText, level);
    // Without a notification service the tray's own balloon says it, where there is a tray.
    SendDesktopNotification(title, body, guiContext_.get(), [this, title, body] {
        if (shown_) {
            icon_.showMessage(QString::fromStdString(title), QString::fromStdString(body),
                              QSystemTrayIcon::Warning);
        }
    });
}

std::string QtSystemTray::Tip() const {
    std::lock_guard lock(mutex_);
    std::string tip = name_;
    if (state_ != LowBatteryWatch::kUnknown) {
        tip += "\n" + WithNumber(kBatteryLevelText, level_);
        if (state_ == LowBatteryWatch::kCharging) {
            tip += " " + GetText(kChargingText);
        }
    }
    return tip;
}

}  // namespace quillon
