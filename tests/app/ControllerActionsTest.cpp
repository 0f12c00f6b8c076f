// The controller's own rows: restore defaults, read back and apply with the wait dialog, the
// factory reset and the language switch with their refusals.
#include <gtest/gtest.h>

#include "WindowRig.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/ProductKey.h"
#include "protocol/ProfileValues.h"
#include "store/Schema.h"
#include "ui/pages/HomeFrameIds.h"
#include "ui/pages/WindowMessages.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"

namespace quillon {
namespace {

using test::ModalAnswers;
using test::WindowRig;
using Box = ModalAnswers::Box;

constexpr int kApply = 88;
constexpr int kReadBack = 89;
constexpr int kRestore = 90;
constexpr int kLanguageBox = 275;
constexpr int kFactoryReset = 278;

Box BoxOf(int title, int text) {
    return {GetText(title), GetText(text)};
}

std::string Value(SettingsStore& store, int profile, const char* key) {
    std::string value;
    store.GetValue(profile, key, value);
    return value;
}

std::string RestoredValue(std::string_view key) {
    for (const ConfigValue& row : RestoredValues(kWiredMode)) {
        if (row.key == key) {
            return std::string(row.value);
        }
    }
    return "(none)";
}

void GiveAssignment(SettingsStore& store, int profile) {
    KeyAssignment record;
    record.profile = profile;
    record.key_code = 3;
    record.macro_type = 1;
    record.macro_value = 5;
    ASSERT_NE(store.SaveKeyAssignment(record), 0);
}

TEST(RestoreDefaults, CancelLeavesEverythingAsItWas) {
    WindowRig rig({test::Receiver()});
    rig.TakeQueued();
    SettingsStore& store = rig->Store();
    const int profile = rig->ActiveProfile();
    store.SetValue(profile, "report_rate", "3");
    GiveAssignment(store, profile);
    ModalAnswers modal;
    modal.answers = {kIdCancel};
    rig.Click(kRestore);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(201, 200)});
    EXPECT_TRUE(rig.TakeQueued().empty());
    EXPECT_EQ(modal.waitDialogs, 0);
    EXPECT_FALSE(rig->WaitDialog().HasDialog());
    EXPECT_EQ(Value(store, profile, "report_rate"), "3");
    std::vector<KeyAssignment> kept;
    EXPECT_EQ(store.LoadKeyAssignments(profile, kept), 1);
}

TEST(RestoreDefaults, ConfirmedStoresTheRateOfTheConnectionAndQueuesTheTask) {
    struct Case {
        VirtualInterfaceConfig link;
        const char* rate;
    };
    for (const Case& c : {Case{test::Receiver(), "2"}, Case{test::Wired(), "4"}}) {
        WindowRig rig({c.link});
        rig.TakeQueued();
        SettingsStore& store = rig->Store();
        const int profile = rig->ActiveProfile();
        store.SetValue(profile, "report_rate", "3");
        store.SetValue(profile, "dpi_index", "4");
        GiveAssignment(store, profile);
        rig->SetSelectedButton(3);
        ModalAnswers modal;
        EXPECT_EQ(rig.Click(kRestore), 1);
        EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(201, 200)});
        EXPECT_EQ(modal.waitDialogs, 1);
        EXPECT_EQ(rig.TakeQueued(), std::vector<int>{15});
        EXPECT_EQ(Value(store, profile, "report_rate"), c.rate);
        EXPECT_EQ(Value(store, profile, "dpi_index"), RestoredValue("dpi_index"));
        std::vector<KeyAssignment> left;
        EXPECT_EQ(store.LoadKeyAssignments(profile, left), 0);
        EXPECT_EQ(rig->SelectedButton(), 0);
    }
}

TEST(TaskButtons, ApplyAndReadBackQueueTheirTaskUnderAWaitDialog) {
    WindowRig rig({test::Wired()});
    rig.TakeQueued();
    ModalAnswers modal;
    EXPECT_EQ(rig.Click(kApply), 1);
    EXPECT_EQ(rig.Click(kReadBack), 1);
    EXPECT_EQ(rig.TakeQueued(), (std::vector<int>{6, 7}));
    EXPECT_EQ(modal.waitDialogs, 2);
    EXPECT_TRUE(modal.boxes.empty());
    // Click rows act on clicks only.
    EXPECT_EQ(rig->OnMessage(kApply, kEventChanging, 0), 0);
    EXPECT_TRUE(rig.TakeQueued().empty());
}

TEST(TaskButtons, TheWorkerClosesTheWaitDialogAndTheResultBoxFollows) {
    WindowRig rig({test::Wired()}, /*worker=*/true);
    ModalAnswers modal;
    // The worker, not the test, ends the wait dialog here.
    ScopedModalHandler waitForTheWorker([&](MDialog& dialog) {
        if (dynamic_cast<WaitDlg*>(&dialog) == nullptr) {
            modal.Answer(dialog);
        }
    });
    EXPECT_EQ(rig.Click(kApply), 1);
    ASSERT_TRUE(test::WaitUntil([&] { return !modal.boxes.empty(); }));
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(115, 210)});
    EXPECT_GT(rig.mouse.WriteCount(), 0);
}

TEST(FactoryReset, RefusedWithoutADevice) {
    WindowRig rig({});
    rig.TakeQueued();
    rig->SetLoaded(true);
    ModalAnswers modal;
    EXPECT_EQ(rig.Click(kFactoryReset), 0);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(676, 57)});
    EXPECT_TRUE(rig.TakeQueued().empty());
    EXPECT_TRUE(rig->IsLoaded());
}

TEST(FactoryReset, RefusedOverBluetooth) {
    WindowRig rig({test::Bluetooth()});
    rig.TakeQueued();
    ModalAnswers modal;
    EXPECT_EQ(rig.Click(kFactoryReset), 0);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(676, 56)});
    EXPECT_TRUE(rig.TakeQueued().empty());
}

TEST(FactoryReset, CancelledAtTheQuestion) {
    WindowRig rig({test::Wired()});
    rig.TakeQueued();
    ModalAnswers modal;
    modal.answers = {kIdCancel};
    EXPECT_EQ(rig.Click(kFactoryReset), 0);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(670, 671)});
    EXPECT_TRUE(rig.TakeQueued().empty());
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(rig->Store().LoadProfiles(profiles), 5);
}

TEST(FactoryReset, ClearsTheModelsDatabaseAndQueuesTheReset) {
    WindowRig rig({test::Wired()});
    rig.TakeQueued();
    rig->SetLoaded(true);
    ModalAnswers modal;
    EXPECT_EQ(rig.Click(kFactoryReset), 1);
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{16});
    EXPECT_FALSE(rig->IsLoaded());
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(rig->Store().LoadProfiles(profiles), 0);
}

TEST(FactoryReset, AnUnknownDeviceTypeResetsTheMouseDatabase) {
    WindowRig rig({test::Wired()});
    rig.TakeQueued();
    SettingsStore fallback;
    ASSERT_TRUE(fallback.OpenForDevice(DataFolder(), "Mouse"));
    ASSERT_EQ(fallback.EnsureDefaultProfiles(), 1);
    fallback.Close();
    ASSERT_TRUE(WriteDeviceType(999));

    ModalAnswers modal;
    EXPECT_EQ(rig.Click(kFactoryReset), 1);
    EXPECT_EQ(rig.TakeQueued(), std::vector<int>{16});
    ASSERT_TRUE(fallback.OpenForDevice(DataFolder(), "Mouse"));
    std::vector<ProfileRecord> profiles;
    EXPECT_EQ(fallback.LoadProfiles(profiles), 0);
    // The model's own database is not the one named.
    EXPECT_EQ(rig->Store().LoadProfiles(profiles), 5);
}

// The settings page's language box, on the current language.
MComboBox& LanguageBox(DeviceMainDlg& window) {
    auto* box = window.GetControl<MComboBox>(kLanguageBox);
    EXPECT_EQ(box->GetCurData(), CurrentLanguageId());
    return *box;
}

class LanguageSwitch : public ::testing::Test {
  protected:
    void SetUp() override { SetCurrentLanguageId(kLanguageEnglishUs); }
    void TearDown() override { SetCurrentLanguageId(kLanguageEnglishUs); }
};

TEST_F(LanguageSwitch, RefusedWithoutADevice) {
    WindowRig rig({});
    ASSERT_TRUE(WriteLanguageId(kLanguageEnglishUs));
    MComboBox& box = LanguageBox(*rig);
    ModalAnswers modal;
    box.SelectData(kLanguageChineseSimplified);  // the user picks Chinese
    EXPECT_EQ(rig->OnMessage(kLanguageBox, kEventClick, 0), 0);
    EXPECT_EQ(box.GetCurData(), kLanguageEnglishUs);
    EXPECT_EQ(ReadLanguageId(), kLanguageEnglishUs);
    EXPECT_EQ(CurrentLanguageId(), kLanguageEnglishUs);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(576, 57)});
}

TEST_F(LanguageSwitch, RefusedOverBluetooth) {
    WindowRig rig({test::Bluetooth()});
    MComboBox& box = LanguageBox(*rig);
    ModalAnswers modal;
    box.SelectData(kLanguageChineseSimplified);
    EXPECT_EQ(rig->OnMessage(kLanguageBox, kEventClick, 0), 0);
    EXPECT_EQ(box.GetCurData(), kLanguageEnglishUs);
    EXPECT_EQ(modal.boxes, std::vector<Box>{BoxOf(576, 56)});
}

TEST_F(LanguageSwitch, WithAMouseRelabelsTheWindow) {
    WindowRig rig({test::Wired()});
    MComboBox& box = LanguageBox(*rig);
    auto* tabs = rig->GetControl<MTabCtrl>(home_ids::kTabs);
    const std::string englishHome = tabs->GetItemText(0);
    const std::string englishStatus = rig->GetControl(home_ids::kStatus)->GetTitle();
    box.SelectData(kLanguageChineseSimplified);
    EXPECT_EQ(rig->OnMessage(kLanguageBox, kEventClick, 0), 1);
    EXPECT_EQ(CurrentLanguageId(), kLanguageChineseSimplified);
    EXPECT_EQ(ReadLanguageId(), kLanguageChineseSimplified);
    EXPECT_EQ(tabs->GetItemText(0), GetText(71));
    EXPECT_NE(tabs->GetItemText(0), englishHome);
    EXPECT_EQ(rig->GetControl(home_ids::kStatus)->GetTitle(), GetText(51));
    EXPECT_NE(rig->GetControl(home_ids::kStatus)->GetTitle(), englishStatus);
    EXPECT_EQ(rig->GetControl(home_ids::kPromptText)->GetTitle(), GetText(57));
}

TEST_F(LanguageSwitch, TheStatusOfNoDeviceKeepsItsWordingOnApplyTexts) {
    WindowRig rig({});
    const std::string before = rig->GetControl(home_ids::kStatus)->GetTitle();
    SetCurrentLanguageId(kLanguageChineseSimplified);
    rig->OnWindowMessage(MSG_APPLY_TEXTS, 0, 0);
    EXPECT_EQ(rig->GetControl(home_ids::kStatus)->GetTitle(), before);
    EXPECT_EQ(rig->GetControl<MTabCtrl>(home_ids::kTabs)->GetItemText(1), GetText(72));
}

}  // namespace
}  // namespace quillon
