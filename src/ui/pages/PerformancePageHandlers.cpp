#include "ui/pages/PerformancePage.h"

#include <algorithm>

#include "protocol/DeviceTask.h"
#include "protocol/ProfileValues.h"
#include "ui/DpiIndicator.h"
#include "ui/MessageBox.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"
#include "ui/toolkit/MComboBox.h"

namespace quillon {

using namespace perf;

namespace {

// The slider moves in steps of 100 DPI; a stage takes 200..24000.
constexpr int kDpiPerPosition = 100;
constexpr int kLowestPosition = kMinEnteredDpi / kDpiPerPosition;
constexpr int kHighestPosition = kMaxEnteredDpi / kDpiPerPosition;

int StageIndexOf(int controlId) {
    return controlId - kFirstStage;
}

}  // namespace

ProfileValues PerformancePage::Values() const {
    return ProfileValues(Host().Store(), Host().ActiveProfile());
}

int PerformancePage::OnMessage(int controlId, int event, std::intptr_t) {
    if (controlId >= kFirstStage && controlId <= kLastStage) {
        return StageEvent(controlId, event);
    }
    if (controlId == kDpiSlider) {
        return SliderEvent(event);
    }
    if (event != kEventClick) {
        return 0;
    }
    switch (controlId) {
        case kStepUp:
            StepSlider(1);
            return 1;
        case kStepDown:
            StepSlider(-1);
            return 1;
        case kDpiReset:
            ResetDpi();
            return 1;
        case kRateReset:
            ResetReportRate();
            return 1;
        case kStageCountList:
            Values().Set("dpi_count", stageCount_->GetCurData());
            return 1;
        case kSleepList:
            Values().Set("sleep_light", sleep_->GetCurData());
            return 1;
        case kSensorSwitch:
            StoreSensorFlag();
            return 1;
        default:
            return StoreChoice(controlId);
    }
}

int PerformancePage::StageEvent(int controlId, int event) {
    DPIControl& stage = *stages_[StageIndexOf(controlId)];
    switch (event) {
        case kEventClick:
            Highlight(controlId, stage.GetValue());
            Values().Set("dpi_index", StageIndexOf(controlId));
            return 1;
        case kEventChanging:
            // Cut while typing, so the field never shows more than a stage can hold; the
            // lower bound waits for the end of the typing (a first digit is always small).
            if (stage.GetValue() > kMaxEnteredDpi) {
                stage.SetValue(kMaxEnteredDpi);
            }
            slider_->SetProgress(stage.GetValue() / kDpiPerPosition);
            return 1;
        case kEventEditDone: {
            int dpi = RoundEnteredDpi(stage.GetValue());
            stage.SetValue(dpi);
            // The stored index names the stage just edited, so it is the highlighted one too.
            Highlight(controlId, dpi);
            ProfileValues values = Values();
            values.Set("dpi_index", StageIndexOf(controlId));
            values.Set(ProfileValues::DpiValueKey(StageIndexOf(controlId)), dpi);
            return 1;
        }
        default:
            return 0;
    }
}

int PerformancePage::SliderEvent(int event) {
    if (event != kEventChanging && event != kEventClick) {
        return 0;
    }
    SliderMoved(event == kEventClick);
    return 1;
}

void PerformancePage::SliderMoved(bool release) {
    int position = std::clamp(slider_->GetProgress(), kLowestPosition, kHighestPosition);
    if (position != slider_->GetProgress()) {
        slider_->SetProgress(position);
    }
    int dpi = position * kDpiPerPosition;
    DPIControl& stage = HighlightedStage();
    stage.SetValue(dpi);
    if (release) {
        Values().Set(ProfileValues::DpiValueKey(StageIndexOf(stage.GetID())), dpi);
    }
}

void PerformancePage::StepSlider(int delta) {
    slider_->SetProgress(slider_->GetProgress() + delta);
    SliderMoved(true);
}

void PerformancePage::ResetDpi() {
    if (Host().ShowMessageBox(253, 258, kMessageBoxConfirm) == kIdCancel) {
        return;
    }
    ProfileValues values = Values();
    int count = DefaultValue("dpi_count");
    values.Set("dpi_count", count);
    stageCount_->SelectData(count);
    for (int s = 0; s < kStageCount; ++s) {
        int dpi = DefaultValue(ProfileValues::DpiValueKey(s));
        int colour = DefaultValue(ProfileValues::DpiColourKey(s));
        values.Set(ProfileValues::DpiValueKey(s), dpi);
        values.Set(ProfileValues::DpiColourKey(s), colour);
        stages_[s]->SetEnabled(true);
        stages_[s]->SetValue(dpi);
        stages_[s]->SetColor(static_cast<std::uint32_t>(colour));
    }
    int index = DefaultValue("dpi_index");
    values.Set("dpi_index", index);
    Highlight(kFirstStage + index, stages_[index]->GetValue());
}

void PerformancePage::ResetReportRate() {
    if (Host().ShowMessageBox(257, 259, kMessageBoxConfirm) == kIdCancel) {
        return;
    }
    // A cable runs at 1000 Hz; a receiver starts at 250 Hz to spare the battery.
    int code = Host().ConnectionMode() == 0 ? 4 : 2;
    Values().Set("report_rate", code);
    CheckReportRate(code);
}

void PerformancePage::StoreSensorFlag() {
    int flag = 0;
    for (int i = 0; i < 3; ++i) {
        flag += sensors_[i]->GetCheck() ? kSensorBits[i] : 0;
    }
    Values().Set("sensor_flag", flag);
}

int PerformancePage::StoreChoice(int controlId) {
    ProfileValues values = Values();
    // A radio or rate button that was clicked is the one on; the switches keep their state.
    auto chosen = [](CCheckButton* button) { button->SetCheck(true); };
    switch (controlId) {
        case kRate125:
        case kRate125 + 1:
        case kRate125 + 2:
        case kRate1000:
            chosen(rates_[controlId - kRate125]);
            values.Set("report_rate", controlId - kRate125 + 1);
            return 1;
        case kLiftOffLow:
        case kLiftOffHigh:
            chosen(controlId == kLiftOffLow ? liftOffLow_ : liftOffHigh_);
            values.Set("liftoff_height", liftOffHigh_->GetCheck() ? 2 : 1);
            return 1;
        case kScrollNormal:
        case kScrollReversed:
            chosen(controlId == kScrollNormal ? scrollNormal_ : scrollReversed_);
            values.Set("scroll_flag", scrollNormal_->GetCheck() ? 0 : 1);
            return 1;
        case kMotionLight:
            values.Set("move_light_flag", motionLight_->GetCheck() ? 1 : 0);
            return 1;
        case kMotionWakeUp:
            values.Set("move_wakeUp_flag", motionWakeUp_->GetCheck() ? 1 : 0);
            return 1;
        case kESportsOn:
        case kESportsOff:
            chosen(controlId == kESportsOn ? eSportsOn_ : eSportsOff_);
            values.Set("e-sports_flag", eSportsOn_->GetCheck() ? 2 : 1);
            return 1;
        default:
            return 0;
    }
}

void PerformancePage::Highlight(int controlId, int dpi) {
    stages_[StageIndexOf(controlId)]->SetCheck(true);
    Host().SetHighlightedStage(controlId);
    slider_->SetProgress(dpi / kDpiPerPosition);
}

DPIControl& PerformancePage::HighlightedStage() const {
    int id = Host().HighlightedStage();
    return *stages_[id >= kFirstStage && id <= kLastStage ? StageIndexOf(id) : 0];
}

void PerformancePage::CheckReportRate(int code) {
    rates_[code >= 1 && code <= 3 ? code - 1 : kRate1000 - kRate125]->SetCheck(true);
}

void PerformancePage::ShowCurrentStage(int stage, int dpi) {
    Highlight(kFirstStage + std::clamp(stage, 1, kStageCount) - 1, dpi);
}

void PerformancePage::ShowReportRate(int code) {
    CheckReportRate(code);
}

void PerformancePage::SetLightMode(int mode) {
    lightMode_->SelectData(mode);
}

bool PerformancePage::OnWindowMessage(unsigned message, std::uintptr_t, std::intptr_t lParam,
                                      std::intptr_t& result) {
    if (message != MSG_DPI_CHANGED) {
        return false;
    }
    DpiIndicator::Show(lParam, workArea_(), timer_);
    result = 0;
    return true;
}

}  // namespace quillon
