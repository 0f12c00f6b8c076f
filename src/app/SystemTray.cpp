#include "app/SystemTray.h"

#include "app/QtSystemTray.h"

namespace quillon {

std::unique_ptr<SystemTray> CreateSystemTray(MWindow& window) {
    return std::make_unique<QtSystemTray>(window);
}

}  // namespace quillon
