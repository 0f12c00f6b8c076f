#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

class MWindow;

// A popup menu. Choosing an item posts (message, 0, item id) to the owner window; closing it
// without a choice posts nothing. GUI thread.
class MenuWnd {
  public:
    void AddItem(int id, const std::string& text);
    // Opens the menu with its top-left corner at a screen point; false without an owner window.
    bool Create(MWindow* owner, std::uint32_t message, int x, int y);

  private:
    struct Item {
        int id = 0;
        std::string text;
    };
    std::vector<Item> items_;
};

}  // namespace quillon
