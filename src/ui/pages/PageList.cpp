#include "ui/pages/PageList.h"

#include "ui/pages/ButtonPage.h"
#include "ui/pages/MacroPage.h"
#include "ui/pages/PerformancePage.h"
#include "ui/pages/SettingsPage.h"

namespace quillon {

std::vector<std::unique_ptr<Page>> CreatePages(PageHost& host) {
    std::vector<std::unique_ptr<Page>> pages;
    pages.push_back(std::make_unique<ButtonPage>(host));
    pages.push_back(std::make_unique<PerformancePage>(host));
    pages.push_back(std::make_unique<MacroPage>(host));
    pages.push_back(std::make_unique<SettingsPage>(host));
    return pages;
}

}  // namespace quillon
