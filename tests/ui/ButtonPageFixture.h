#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "input/KeyNames.h"
#include "platform/LanguageChoice.h"
#include "platform/Paths.h"
#include "store/SettingsStore.h"
#include "support/PageTestHost.h"
#include "ui/MouseKeyConfigDlg.h"
#include "ui/pages/ButtonPage.h"
#include "ui/pages/ButtonPageIds.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/ModalHooks.h"
#include "ui/toolkit/MouseCtrl.h"

namespace quillon::test {

// The button page in a one-page window over a fresh database (profile 1 active), in English,
// with the skin images of the build tree.
class ButtonPageFixture : public ::testing::Test {
  protected:
    ButtonPageFixture() {
        SetCurrentLanguageId(kLanguageEnglishUs);
        Manager::SetInstance(ResourceFolder());
        page = &static_cast<ButtonPage&>(host.Install(std::make_unique<ButtonPage>(host)));
    }
    ~ButtonPageFixture() override { SetCurrentLanguageId(kLanguageEnglishUs); }

    // The function list of the i-th editable button (key codes 1, 2, 3, 4, 5, 7, 8).
    MComboBox& List(size_t index) {
        return *host.Dialog().GetControl<MComboBox>(button_page::kFunctionLists[index]);
    }
    MouseCtrl& Mouse() { return *host.Dialog().GetControl<MouseCtrl>(button_page::kMouse); }

    // Picks a function in a button's list as its popup does: the selection, then the event.
    void Choose(size_t index, int type) {
        ASSERT_TRUE(List(index).SelectData(type)) << "type " << type << " is not offered";
        host.Click(button_page::kFunctionLists[index], List(index).GetCurSel());
    }

    // Picks a dialog function and lets `answer` act in the assignment dialog once it runs.
    void ChooseWithDialog(size_t index, int type,
                          const std::function<void(MouseKeyConfigDlg&)>& answer) {
        ScopedModalHandler handler([&](MDialog& dialog) {
            auto* keyDialog = dynamic_cast<MouseKeyConfigDlg*>(&dialog);
            ASSERT_NE(keyDialog, nullptr);
            answer(*keyDialog);
        });
        Choose(index, type);
        EXPECT_EQ(handler.Runs(), 1);
    }

    KeyAssignment Stored(int keyCode) {
        KeyAssignment record;
        EXPECT_TRUE(host.store.GetKeyAssignment(host.activeProfile, keyCode, record))
            << "no row for key code " << keyCode;
        return record;
    }
    bool HasRow(int keyCode) {
        KeyAssignment record;
        return host.store.GetKeyAssignment(host.activeProfile, keyCode, record);
    }
    void Store(int keyCode, int type, int value, int value2, const std::string& desc) {
        KeyAssignment record;
        record.profile = host.activeProfile;
        record.key_code = keyCode;
        record.macro_type = type;
        record.macro_value = value;
        record.macro_value2 = value2;
        record.macro_desc = desc;
        ASSERT_GT(host.store.SaveKeyAssignment(record), 0);
    }

    PageTestHost host;
    ButtonPage* page = nullptr;
};

}  // namespace quillon::test
