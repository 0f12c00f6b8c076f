#pragma once

#include <optional>

namespace quillon {

// Follows the pointer against the desktop's left and right edges. The window hears of it only
// when the pointer reaches an edge or leaves one.
class EdgeWatch {
  public:
    static constexpr int kMargin = 10;

    // The pointer is at `x` on a desktop `span` pixels wide: 1 at the left edge, 2 at the right
    // edge, 0 at neither, when that differs from before; nothing otherwise.
    std::optional<int> Update(int x, int span);

  private:
    bool left_ = false;
    bool right_ = false;
};

}  // namespace quillon
