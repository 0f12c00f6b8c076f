#include "ui/pages/PerformancePage.h"

#include "protocol/ProfileValues.h"
#include "ui/pages/PerformancePageIds.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {

using namespace perf;

namespace {

// A value without an item of its own (a number that is not one of the list's, or a text that
// is not a number at all) shows the list's first item.
void SelectDataOrFirst(MComboBox& list, int data) {
    if (!list.SelectData(data)) {
        list.SetCurSel(list.GetCount() > 0 ? 0 : -1);
    }
}

}  // namespace

void PerformancePage::Refresh() {
    ProfileValues values = Values();
    lightMode_->SelectData(values.Get("light_mode"));
    MDialog& dialog = Host().Dialog();
    if (auto* response = dialog.GetControl<NumberEdit>(kResponseTimeField)) {
        response->SetValue(values.Get("button_respondtime"));
    }
    (values.Get("e-sports_flag") == 2 ? eSportsOn_ : eSportsOff_)->SetCheck(true);

    CheckReportRate(values.Get("report_rate"));
    bool wired = Host().ConnectionMode() == 0;
    wiredRates_ = wired;
    PlaceRateButtons();
    if (wired) {
        rates_[kRate1000 - kRate125]->SetCheck(true);
    }

    for (int s = 0; s < kStageCount; ++s) {
        stages_[s]->SetValue(values.Get(ProfileValues::DpiValueKey(s)));
        stages_[s]->SetColor(
            static_cast<std::uint32_t>(values.Get(ProfileValues::DpiColourKey(s))));
    }
    int index = values.Get("dpi_index");
    if (index < 0 || index >= kStageCount) {
        index = 0;
    }
    Highlight(kFirstStage + index, stages_[index]->GetValue());
    SelectDataOrFirst(*stageCount_, values.Get("dpi_count"));

    int sensorFlag = values.Get("sensor_flag");
    for (int i = 0; i < 3; ++i) {
        sensors_[i]->SetCheck((sensorFlag & kSensorBits[i]) != 0);
    }
    (values.Get("liftoff_height") == 2 ? liftOffHigh_ : liftOffLow_)->SetCheck(true);
    (values.Get("scroll_flag") == 0 ? scrollNormal_ : scrollReversed_)->SetCheck(true);
    motionLight_->SetCheck(values.Get("move_light_flag") == 1);
    motionWakeUp_->SetCheck(values.Get("move_wakeUp_flag") == 1);

    bool leftLocked = values.Get("leftbtn_lock") == 1;
    Host().SetLeftButtonLocked(leftLocked);
    if (MControl* leftList = dialog.GetControl(kLeftButtonList)) {
        leftList->SetEnabled(!leftLocked);
    }
    SelectDataOrFirst(*sleep_, values.Get("sleep_light"));
}

}  // namespace quillon
