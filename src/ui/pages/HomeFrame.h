#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "device/DeviceStateObserver.h"
#include "ui/pages/Page.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

class BatteryCtrl;
class CDeviceState;
class CImageButton;
class CTextButton;
class DevicePicture;
class FrameBackdrop;
class MTabCtrl;
class MTabLayout;
class MText;
class PromptPanel;

// The main window's frame and its home page: the backdrop, the window buttons, the
// battery and connection status, the web link, the main tabs with the five page areas, and on
// the home page the mouse picture with the no-device prompt. The frame's own controls send
// their events to the controller (close, minimise, web link, tabs), so the page routes no ids.
class HomeFrame : public Page {
  public:
    explicit HomeFrame(PageHost& host) : Page(host) {}

    PageKind Kind() const override { return PageKind::Home; }
    std::vector<IdRange> Ids() const override { return {}; }

    // The parts of the frame that come before the pages: backdrop, tabs and page areas, battery
    // and status. GUI thread.
    void BuildFrame();
    // The picture and the prompt, inside the home area.
    void Build(MControl& area) override;
    // After the pages, so that they come last in the keyboard order: the web link and the
    // minimise and close buttons.
    void BuildWindowButtons();
    // UISize's steps 2 to 9 for a client area of width × height.
    void Place(int width, int height, float scale) override;
    int OnMessage(int, int, std::intptr_t) override { return 0; }
    void SetBattery(int level, int state) override;

    // The page area of a page; null before BuildFrame.
    MTabLayout* Area(PageKind kind) const;
    MTabCtrl* Tabs() const { return tabs_; }
    // Step 11: where the message line goes in a client area of that size.
    static MRect MessageRect(int width, int height);

    // Applies one row of the connection-state table: status text, tabs, prompt and the
    // button page's action buttons. Any thread (the device refresh runs on the worker).
    void ShowConnectionState(ConnectionState state);
    ConnectionState State() const { return state_; }

  protected:
    // Tab texts, and the status text of the states that name a connection.
    void ApplyOwnTexts() override;

  private:
    FrameBackdrop* backdrop_ = nullptr;
    CImageButton* close_ = nullptr;
    CImageButton* minimize_ = nullptr;
    BatteryCtrl* battery_ = nullptr;
    CDeviceState* status_ = nullptr;
    CTextButton* link_ = nullptr;
    MTabCtrl* tabs_ = nullptr;
    std::vector<MTabLayout*> areas_;  // in tab order: home, buttons, performance, macros, settings
    DevicePicture* device_ = nullptr;
    PromptPanel* promptPanel_ = nullptr;
    MText* prompt_ = nullptr;
    std::atomic<ConnectionState> state_{ConnectionState::NoDevice};
};

}  // namespace quillon
