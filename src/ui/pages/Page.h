#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/pages/PageHost.h"
#include "ui/toolkit/MessageRouter.h"

namespace quillon {

class MComboBox;
class MControl;

// One page of the main window. The controller builds every page inside its page area, lays it
// out with the window, routes the events of the page's ids to OnMessage and passes on what the
// device worker reports. A page keeps its own state and reaches the window only through its host.
class Page {
  public:
    explicit Page(PageHost& host) : host_(host) {}
    virtual ~Page() = default;
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    virtual PageKind Kind() const = 0;
    // The control ids whose events the page handles (its ids header names them).
    virtual std::vector<IdRange> Ids() const = 0;

    // Creates the page's controls inside `area`, its page area. GUI thread.
    virtual void Build(MControl& area) = 0;
    // Places the controls for a client area of width × height at the window's UI scale.
    virtual void Place(int width, int height, float scale) = 0;
    // A control event of one of the page's ids; 1 when handled, 0 otherwise. GUI thread.
    virtual int OnMessage(int controlId, int event, std::intptr_t param) = 0;
    // Shows the active profile's values; the device worker may call it (any thread).
    virtual void Refresh() {}

    // A window message meant for pages (profile file 1705, menus 1709-1711, DPI change 1719,
    // raw input); false when it is not this page's. GUI thread.
    virtual bool OnWindowMessage(unsigned /*message*/, std::uintptr_t /*wParam*/,
                                 std::intptr_t /*lParam*/, std::intptr_t& /*result*/) {
        return false;
    }

    // What the device worker reports (any thread); pages that show it override.
    virtual void ShowCurrentStage(int /*stage*/, int /*dpi*/) {}
    virtual void ShowReportRate(int /*code*/) {}
    virtual void SetLightMode(int /*mode*/) {}
    virtual void SetFirmwareText(const std::string& /*text*/) {}
    virtual void SetBattery(int /*level*/, int /*state*/) {}
    virtual void HideMacroEditing() {}
    // The software version of the catalogue, once it is loaded.
    virtual void SetSoftwareVersion(const std::string& /*version*/) {}

    // Sets every text again from the current language: the bound texts below, then whatever
    // the page composes itself (ApplyOwnTexts).
    void ApplyTexts();

  protected:
    PageHost& Host() const { return host_; }
    // The control's title from text `textId`, now and at every ApplyTexts.
    void BindTitle(MControl& control, int textId);
    void BindTooltip(MControl& control, int textId);
    // Item `index` of the box from text `textId`, now and at every ApplyTexts.
    void BindItemText(MComboBox& box, int index, int textId);
    // Texts a page composes (numbered labels, lists filled from data); runs after the bindings.
    virtual void ApplyOwnTexts() {}

  private:
    enum class Slot { Title, Tooltip, Item };
    struct Binding {
        MControl* control = nullptr;
        Slot slot = Slot::Title;
        int index = 0;
        int textId = 0;
    };
    void Apply(const Binding& binding) const;

    PageHost& host_;
    std::vector<Binding> bindings_;
};

}  // namespace quillon
