#include "platform/x11/DesktopTyper.h"

#include "platform/DesktopSession.h"
#include "platform/x11/XTestTyper.h"

namespace quillon {
namespace {

class SilentTyper : public TextTyper {
  public:
    void TypeCharacter(char32_t) override {}
};

}  // namespace

std::unique_ptr<TextTyper> MakeDesktopTyper() {
    if (!IsWaylandSession()) {
        auto typer = std::make_unique<XTestTyper>();
        if (typer->Available()) {
            return typer;
        }
    }
    return std::make_unique<SilentTyper>();
}

}  // namespace quillon
