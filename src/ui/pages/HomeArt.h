#pragma once

#include <atomic>

#include "ui/toolkit/MPicture.h"

namespace quillon {

// Pictures of the frame and the home page that draw their own artwork when their skin image is
// missing (the images are optional files, design.md §2), so the window looks finished without
// them.

// The window's backdrop: a dark gradient with the product name, a header line above the page
// areas and a status bar below them.
class FrameBackdrop : public MPicture {
  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
};

// The mouse seen from above. Lit (accent glow, light strips) while a mouse can be configured,
// a dim silhouette otherwise.
class DevicePicture : public MPicture {
  public:
    // Size of the drawn picture, used where the image file is missing.
    static constexpr int kDrawnWidth = 320;
    static constexpr int kDrawnHeight = 400;

    // The image's size, or the drawn picture's. GUI thread.
    void PictureSize(int& width, int& height) const;
    // Any thread.
    void SetLit(bool lit);
    bool IsLit() const { return lit_; }

  protected:
    void Paint(QPainter& painter, const ViewState& state) override;

  private:
    std::atomic<bool> lit_{false};
};

// The card behind the no-device prompt.
class PromptPanel : public MPicture {
  protected:
    void Paint(QPainter& painter, const ViewState& state) override;
};

}  // namespace quillon
