#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ui/pages/Page.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

class MComboBox;
class MText;
class MouseCtrl;
class NumberEdit;

// The button page: one function list per editable button beside the mouse picture with its
// labels, the profile selector, the button response time and the buttons that apply, read
// back, restore and exchange the profile. A chosen function is stored at once, or through the
// assignment dialog, and followed by the task that writes the buttons into the mouse.
class ButtonPage : public Page {
  public:
    explicit ButtonPage(PageHost& host);

    PageKind Kind() const override { return PageKind::Buttons; }
    std::vector<IdRange> Ids() const override;
    void Build(MControl& area) override;
    void Place(int width, int height, float scale) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;
    // RefreshButtonPage: labels and lists from the active profile's stored assignments, and the
    // response time.
    void Refresh() override;
    bool OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         std::intptr_t& result) override;

    // Rebuilds the seven function lists with their default selections; the left button's list
    // is disabled while the profile locks the left button.
    void FillFunctionLists();
    // Fills the profile selector from the stored profiles and selects the active one, which
    // becomes the window's.
    void FillProfileSelector();

  protected:
    void ApplyOwnTexts() override;

  private:
    // Creates a control in the page area and keeps its rectangle for Place.
    template <class T>
    T* Create(MControl& area, int id, const MRect& rect, const std::string& image = {});
    void OnFunctionChosen(int controlId);
    void OnProfileChosen();
    void OnResponseTime(int event);
    void ApplyLeftButtonLock();
    // The profile's name as the selector shows it.
    std::string ProfileName(int profile) const;
    void ImportProfile();
    void ExportProfile(int profile);

    MControl* area_ = nullptr;
    MText* title_ = nullptr;
    MComboBox* profiles_ = nullptr;
    std::array<MText*, 7> listLabels_{};
    std::array<MComboBox*, 7> lists_{};
    NumberEdit* responseTime_ = nullptr;
    MouseCtrl* mouse_ = nullptr;
    std::vector<std::pair<MControl*, MRect>> layout_;  // every control at the reference size
};

}  // namespace quillon
