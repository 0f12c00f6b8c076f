#include "app/SystemTray.h"

namespace quillon {
namespace {

// Until the notification-area icon lands: no tray, which the window already copes with (the
// offscreen platform has none either).
class NoSystemTray : public SystemTray {
  public:
    bool Add(const std::string&) override { return false; }
    void Remove() override {}
    bool IsShown() const override { return false; }
    void SetBattery(int, int) override {}
};

}  // namespace

std::unique_ptr<SystemTray> CreateSystemTray(MWindow&) {
    return std::make_unique<NoSystemTray>();
}

}  // namespace quillon
