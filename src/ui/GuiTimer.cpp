#include "ui/GuiTimer.h"

#include <QTimer>

namespace quillon {
namespace {

class QtGuiTimer : public GuiTimer {
  public:
    void After(std::chrono::milliseconds delay, QObject& owner,
               std::function<void()> fire) override {
        QTimer::singleShot(delay, &owner, std::move(fire));
    }
};

}  // namespace

GuiTimer& RealGuiTimer() {
    static QtGuiTimer timer;
    return timer;
}

}  // namespace quillon
