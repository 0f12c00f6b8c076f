#pragma once

#include <memory>
#include <vector>

#include "ui/pages/Page.h"

namespace quillon {

// The pages of the main window besides the home page, in the order they are built: buttons,
// performance, macros, settings. A page not built yet is simply absent; the window
// then answers its ids with 0.
std::vector<std::unique_ptr<Page>> CreatePages(PageHost& host);

}  // namespace quillon
