#pragma once

#include <functional>

namespace quillon {

class MDialog;

// Called on the GUI thread once a modal run has begun (inside its loop), in place of the person
// at the screen: it may press a button, call DoOK/DoCancel, or leave the run to another thread.
using ModalHandler = std::function<void(MDialog& dialog)>;

// The one entry point through which tests answer modal runs (ShowModal, hence message boxes and
// the wait dialog). While an object lives, its handler serves every modal run; handlers nest, the
// newest one serving. Without any, modal runs wait for the user.
class ScopedModalHandler {
  public:
    explicit ScopedModalHandler(ModalHandler handler);
    ~ScopedModalHandler();
    ScopedModalHandler(const ScopedModalHandler&) = delete;
    ScopedModalHandler& operator=(const ScopedModalHandler&) = delete;

    // How many modal runs this handler has served.
    int Runs() const;

  private:
    int token_;
};

namespace modal_hooks {
// Hands the dialog to the newest handler; false when none is installed.
bool Serve(MDialog& dialog);
}  // namespace modal_hooks

}  // namespace quillon
