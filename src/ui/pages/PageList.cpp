#include "ui/pages/PageList.h"

namespace quillon {

std::vector<std::unique_ptr<Page>> CreatePages(PageHost& /*host*/) {
    std::vector<std::unique_ptr<Page>> pages;
    // In this order, as each page lands: ButtonPage, PerformancePage, MacroPage, SettingsPage.
    return pages;
}

}  // namespace quillon
