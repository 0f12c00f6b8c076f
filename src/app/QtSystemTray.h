#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "app/LowBatteryWatch.h"
#include "app/SystemTray.h"

namespace quillon {

// The tray icon of Qt: QSystemTrayIcon with a one-item menu. A click or double click posts
// MSG_TRAY to the window, the menu's item WM_COMMAND with kTrayExitCommand. The tip shows the
// product name and, once known, the battery level and whether it charges; a low battery brings
// one desktop notification per discharge.
class QtSystemTray : public SystemTray {
  public:
    explicit QtSystemTray(MWindow& window);
    ~QtSystemTray() override;

    bool Add(const std::string& tip) override;
    void Remove() override;
    bool IsShown() const override { return shown_; }
    void SetBattery(int level, int state) override;

    // What the desktop's tray acts on; tests stand in for a tray through them.
    QSystemTrayIcon& Icon() { return icon_; }
    QMenu& Menu() { return menu_; }

  private:
    void Activated(QSystemTrayIcon::ActivationReason reason);
    // GUI thread. `level` is that of the report that called for the notice: later reports may
    // have arrived meanwhile.
    void ShowBattery(bool lowBatteryNotice, int level);
    std::string Tip() const;

    MWindow& window_;
    QMenu menu_;  // before the icon, which refers to it
    QSystemTrayIcon icon_;
    // Receives the calls queued from other threads; destroyed first, so none outlives the tray.
    std::unique_ptr<QObject> guiContext_;
    std::atomic<bool> shown_{false};
    mutable std::mutex mutex_;
    std::string name_;
    int level_ = 0;
    int state_ = LowBatteryWatch::kUnknown;
    LowBatteryWatch watch_;
};

}  // namespace quillon
