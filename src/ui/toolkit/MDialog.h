#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/MControl.h"
#include "ui/toolkit/MWindow.h"

class QTimer;

namespace quillon {

class CCheckButton;
class MessageLineView;

// A window that owns controls. The system's windows derive from it and override the handlers
// below, which the toolkit calls on the GUI thread: Create runs InitUI with the client rectangle
// (which builds and lays out the controls) and then OnInitDialog; every later resize runs UISize;
// control events reach OnMessage.
class MDialog : public MWindow {
  public:
    MDialog();
    ~MDialog() override;

    std::intptr_t OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) override;
    virtual int OnInitDialog();
    virtual void InitUI(int left, int top, int right, int bottom);
    virtual void UISize(int left, int top, int right, int bottom);
    // A control event: the control's id, an event code (kEvent*) and a parameter (an item
    // position, for instance). Returns 1 when handled.
    virtual int OnMessage(int controlId, int event, std::intptr_t param);
    // Runs as the window is destroyed.
    virtual int OnDestroy();

    // Ends the modal run with kIdOk / kIdCancel; from any thread.
    void DoOK();
    void DoCancel();

    // Creates a control of class T (or of a class named as in the class list) with an id, a
    // rectangle and a skin image, inside an optional container control. GUI thread.
    template <class T>
    T* CreateControl(int id, const MRect& rect, const std::string& image = {},
                     MControl* parent = nullptr) {
        auto control = std::make_unique<T>();
        T* created = control.get();
        AddControl(std::move(control), id, rect, image, parent);
        return created;
    }
    MControl* CreateControl(std::string_view className, int id, const MRect& rect,
                            const std::string& image = {}, MControl* parent = nullptr);

    // The first control with that id (ids may repeat), or null; from any thread.
    MControl* GetControl(int id) const;
    template <class T>
    T* GetControl(int id) const {
        return dynamic_cast<T*>(GetControl(id));
    }
    std::vector<MControl*> GetControls() const;

    // Ids are unique within a dialog unless declared shared here (three switches of one bit
    // field, say); ids below 1 mark decorations and may repeat. A control created with an id
    // that is already taken is still created, and the clash is recorded for tests and debug runs.
    void AllowSharedId(int id);
    std::vector<int> IdClashes() const;
    void ForEachChild(const MControl* container, const std::function<void(MControl&)>& visit) const;

    // The checked members of an exclusive group (CCheckButton::SetGroupName), read under the lock
    // that every change of the group takes, so never more than one. From any thread.
    std::vector<CCheckButton*> GetGroupChecked(const std::string& group) const;

    // One notice line drawn above the controls, centred in `rect`; empty text removes it. From
    // any thread.
    void SetMessage(const std::string& text, const MRect& rect, int fontSize);
    std::string GetMessage() const;

    // Background: a skin image (drawn keeping `margin` pixels of its edges unscaled when the mode
    // is 1, stretched otherwise) or, without one, a colour.
    void LoadBKImage(const std::string& name);
    void SetBackMode(int mode, int margin);
    void SetBackColor(std::uint32_t rgb);
    // Rounded, see-through corners; call before Create (as InitUI's first step does).
    void SetLayeredWindow(bool layered);
    // Dragging the window's background moves the window.
    void EnableWndDrag(bool enable);
    // Interval of the animation timer that drives controls which called AddMTimer.
    void SetMTimer(int milliseconds);

  protected:
    void OnCreated() override;
    void OnResized(int width, int height) override;
    void PaintBackground(QPainter& painter, int width, int height) override;
    void BeforeDestroy() override;
    bool DragEnabled() const override { return drag_; }
    bool Translucent() const override { return layered_; }
    void AnnounceModalRun() override;

  private:
    friend class MControl;
    friend class CCheckButton;

    void AddControl(std::unique_ptr<MControl> control, int id, const MRect& rect,
                    const std::string& image, MControl* parent);
    void JoinTimer(MControl* control);
    void ApplyMessageLine();

    mutable std::mutex controlsMutex_;
    // Taken before a control's own lock for every change of an exclusive group.
    mutable std::mutex groupsMutex_;
    std::vector<std::unique_ptr<MControl>> controls_;
    std::vector<int> sharedIds_;
    std::vector<int> idClashes_;
    std::vector<MControl*> animated_;
    QTimer* timer_ = nullptr;
    int timerInterval_ = 40;
    int laidOutWidth_ = -1;
    int laidOutHeight_ = -1;

    std::string backImage_;
    int backMode_ = 0;
    int backMargin_ = 0;
    std::uint32_t backColor_ = kColorPage;
    bool layered_ = false;
    bool drag_ = false;

    mutable std::mutex messageMutex_;
    std::string message_;
    MRect messageRect_;
    int messageFontSize_ = 16;
    MessageLineView* messageView_ = nullptr;
};

}  // namespace quillon
