#pragma once

#include "ui/toolkit/MPicture.h"

class QMovie;

namespace quillon {

// An animated picture: plays the skin's animation file, or draws a turning arc without one. It
// moves on at each tick of the dialog's animation timer (AddMTimer) while running.
class CGifPicture : public MPicture {
  public:
    static constexpr const char* kClassName = "CGifPicture";
    const char* GetClassName() const override { return kClassName; }
    ~CGifPicture() override;

    // run: 1 animates, 0 stops; firstFrame: the frame to start from.
    void SetRunState(int run, int firstFrame);
    bool IsRunning() const;

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
    void OnTimer() override;

  private:
    bool running_ = false;
    int frame_ = 0;
    int ticks_ = 0;
    QMovie* movie_ = nullptr;  // GUI thread
    bool movieTried_ = false;
};

}  // namespace quillon
