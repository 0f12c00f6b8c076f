#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "ui/pages/Page.h"

namespace quillon {

class CRoundArea;
class CSwitchButton;
class MButton;
class MText;

// The last tab: the firmware and software versions, the autostart switch, the language box, the
// factory reset and a link to the desktop's mouse settings. The language box and the factory
// reset button are the window's: their events do not come here.
class SettingsPage : public Page {
  public:
    using Page::Page;

    PageKind Kind() const override { return PageKind::Settings; }
    std::vector<IdRange> Ids() const override;
    void Build(MControl& area) override;
    void Place(int width, int height, float scale) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;
    void SetFirmwareText(const std::string& text) override;
    void SetSoftwareVersion(const std::string& version) override;

  private:
    template <class T>
    T* Create(int id, MControl& area);
    MText* Text(int id, MControl& area, int textId = 0, int fontWidth = 0);
    CRoundArea* Card(int id, MControl& area, std::uint32_t color);
    MButton* Button(int id, MControl& area, int textId);
    void ToggleAutostart();
    void OpenMousePanel();

    // The controls of one id each, for the placement.
    std::map<int, MControl*> controls_;
    CRoundArea* background_ = nullptr;
    std::array<CRoundArea*, 4> cards_{};
    MText* firmware_ = nullptr;
    MText* software_ = nullptr;
    CSwitchButton* autostart_ = nullptr;
};

}  // namespace quillon
