#include "platform/EdgeWatch.h"

namespace quillon {

std::optional<int> EdgeWatch::Update(int x, int span) {
    const bool left = x <= kMargin;
    const bool right = x >= span - kMargin;
    if (left == left_ && right == right_) {
        return std::nullopt;
    }
    left_ = left;
    right_ = right;
    return left ? 1 : (right ? 2 : 0);
}

}  // namespace quillon
