#pragma once

#include <functional>

namespace quillon {

class MComboBox;
class MControl;

// A page's text bindings (Page::BindTitle and its kin) handed to the parts a page is built
// from, so their texts follow the language as the page's own do.
struct PageTexts {
    std::function<void(MControl&, int textId)> title;
    std::function<void(MControl&, int textId)> tooltip;
    std::function<void(MComboBox&, int index, int textId)> item;
};

}  // namespace quillon
