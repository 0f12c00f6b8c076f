#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <string>

#include "protocol/PerformanceBlock.h"
#include "ui/DpiIndicator.h"
#include "ui/GuiTimer.h"
#include "ui/pages/Page.h"
#include "ui/toolkit/ToolkitTypes.h"

namespace quillon {

class CCheckButton;
class ColorButtonEx;
class CRadioButton;
class DPIControl;
class DPISlider;
class MComboBox;
class ProfileValues;

// The performance page: the six DPI stages with the slider, the stage count, report rate,
// lift-off distance, sensor switches, scroll direction, motion light and wake-up, e-sports mode
// and sleep time of the active profile. Every edit is stored at once; the window's apply sends
// the values to the mouse. Stage changes made on the mouse move the highlight here and show the
// on-screen notice.
class PerformancePage : public Page {
  public:
    // `timer` and `workArea` drive the DPI notice: real time and the primary screen unless a
    // test gives its own.
    explicit PerformancePage(PageHost& host, GuiTimer& timer = RealGuiTimer(),
                             std::function<MRect()> workArea = PrimaryWorkArea);

    PageKind Kind() const override { return PageKind::Performance; }
    std::vector<IdRange> Ids() const override;
    void Build(MControl& area) override;
    void Place(int width, int height, float scale) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;
    void Refresh() override;
    bool OnWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         std::intptr_t& result) override;
    void ShowCurrentStage(int stage, int dpi) override;
    void ShowReportRate(int code) override;
    void SetLightMode(int mode) override;

  protected:
    void ApplyOwnTexts() override;

  private:
    struct Placed {
        MControl* control;
        MRect base;  // at the window's own size, 1121 x 780
        int fontPixels;
        // A heading: drawn where `panel` would draw its own title, so that the headings of
        // the panels and those of labels line up at every scale.
        const MControl* panel = nullptr;
    };
    // Creates a control of the page at its place in the base layout.
    template <class T>
    T* Add(int id, const MRect& base, int fontPixels = 14, const std::string& image = {});

    // A label heading `panel` with text `textId`, up to `right` (base layout; 0: the panel's
    // help button).
    void AddHeading(int id, const MControl& panel, int textId, int right = 0);
    // Two radios of one group with consecutive ids, the first on.
    void AddChoice(CRadioButton*& first, CRadioButton*& second, int firstId, const char* group,
                   const MRect& firstBase, const MRect& secondBase);
    // Building (PerformancePage.cpp).
    void BuildDpiGroup();
    void BuildRateGroup();
    void BuildSideGroups();
    void BuildSwitchGroups();
    void BuildLightGroup();
    // Layout (PerformancePageLayout.cpp).
    void PlaceRateButtons();
    MRect HeadingRect(const Placed& heading) const;
    MRect Scaled(const MRect& base) const;

    // A value a new profile starts with, as a number.
    static int DefaultValue(const std::string& key);

    // Handlers (PerformancePageHandlers.cpp).
    ProfileValues Values() const;
    int StageEvent(int controlId, int event);
    int SliderEvent(int event);
    void SliderMoved(bool release);
    void StepSlider(int delta);
    void ResetDpi();
    void ResetReportRate();
    void StoreSensorFlag();
    int StoreChoice(int controlId);
    // Makes the stage of control `controlId` the highlighted one; the slider shows `dpi`.
    void Highlight(int controlId, int dpi);
    DPIControl& HighlightedStage() const;
    void CheckReportRate(int code);

    GuiTimer& timer_;
    std::function<MRect()> workArea_;
    MControl* area_ = nullptr;
    std::vector<Placed> placed_;

    std::array<DPIControl*, kStageCount> stages_{};
    DPISlider* slider_ = nullptr;
    MComboBox* stageCount_ = nullptr;
    std::array<ColorButtonEx*, 7> rates_{};
    MComboBox* lightMode_ = nullptr;
    MComboBox* sleep_ = nullptr;
    CRadioButton* liftOffLow_ = nullptr;
    CRadioButton* liftOffHigh_ = nullptr;
    std::array<CCheckButton*, 3> sensors_{};
    CRadioButton* scrollNormal_ = nullptr;
    CRadioButton* scrollReversed_ = nullptr;
    CCheckButton* motionLight_ = nullptr;
    CCheckButton* motionWakeUp_ = nullptr;
    CRadioButton* eSportsOn_ = nullptr;
    CRadioButton* eSportsOff_ = nullptr;

    // Layout state: set by Place (GUI thread), read by the refresh, which may run on the worker.
    std::atomic<bool> wiredRates_{false};
    std::atomic<float> scale_{1.0f};
    std::atomic<int> originX_{1};  // where the page area's top-left corner lies
    std::atomic<int> originY_{110};
};

}  // namespace quillon
