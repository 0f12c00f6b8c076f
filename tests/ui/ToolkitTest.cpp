#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <string>
#include <thread>

#include "RecordingDialog.h"
#include "support/QtInput.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/ControlFactory.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/Manager.h"

namespace quillon {
namespace {

using test::RecordingDialog;

TEST(Toolkit, CreateBuildsTheControlsThenInitialisesAndLaysOutOnResize) {
    RecordingDialog dialog;
    dialog.build = [](RecordingDialog& d) {
        EXPECT_EQ(d.initDialogCalls, 0) << "InitUI runs before OnInitDialog";
        d.CreateControl<MText>(1, {10, 10, 110, 30})->SetTitle("hello");
    };
    dialog.Open();
    EXPECT_EQ(dialog.initDialogCalls, 1);
    ASSERT_NE(dialog.GetControl<MText>(1), nullptr);
    EXPECT_EQ(dialog.GetControl(1)->View()->geometry(), QRect(10, 10, 100, 20));
    EXPECT_EQ(dialog.GetControl(2), nullptr);
    EXPECT_TRUE(dialog.layouts.empty()) << "InitUI itself lays out the first size";

    dialog.View()->resize(800, 500);
    test::ProcessEvents();
    ASSERT_EQ(dialog.layouts.size(), 1u);
    EXPECT_EQ(dialog.layouts[0], (MRect{0, 0, 800, 500}));
    EXPECT_EQ(dialog.GetClientRect(), (MRect{0, 0, 800, 500}));
}

TEST(Toolkit, EveryClassNameMakesAControlOfThatClass) {
    RecordingDialog dialog;
    dialog.Open();
    int id = 1;
    for (std::string_view name : ControlClassNames()) {
        MControl* control = dialog.CreateControl(name, id, {0, 0, 50, 20}, "img.png");
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(std::string_view(control->GetClassName()), name);
        EXPECT_EQ(control->GetID(), id);
        EXPECT_EQ(control->GetImage(), "img.png");
        EXPECT_NE(control->View(), nullptr);
        ++id;
    }
    EXPECT_EQ(ControlClassNames().size(), 28u);
    EXPECT_EQ(dialog.CreateControl("NoSuchControl", 99, {}), nullptr);
}

TEST(Toolkit, ValuesSetOnAWorkerThreadReachTheViewOnTheGuiThread) {
    RecordingDialog dialog;
    MEdit* edit = nullptr;
    DPIControl* stage = nullptr;
    MComboBox* box = nullptr;
    dialog.build = [&](RecordingDialog& d) {
        edit = d.CreateControl<MEdit>(1, {10, 10, 200, 40});
        stage = d.CreateControl<DPIControl>(2, {10, 50, 110, 110});
        box = d.CreateControl<MComboBox>(3, {10, 120, 200, 150});
    };
    dialog.Open();
    test::ProcessEvents();
    auto* field = edit->View()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);

    std::thread worker([&] {
        EXPECT_FALSE(Manager::OnGuiThread());
        edit->SetTitle("1.2.3");
        edit->SetRect({20, 20, 220, 50});
        stage->SetValue(1600);
        stage->SetCheck(true);
        box->AddItem("one", 1);
        box->AddItem("two", 2);
        box->SelectData(2);
        edit->SetVisible(false);
    });
    worker.join();

    // The models answer at once; the widgets change only when the GUI thread runs.
    EXPECT_EQ(edit->GetTitle(), "1.2.3");
    EXPECT_EQ(stage->GetValue(), 1600);
    EXPECT_TRUE(stage->GetCheck());
    EXPECT_EQ(box->GetCurSel(), 1);
    EXPECT_EQ(box->GetShowText(), "two");
    EXPECT_TRUE(edit->View()->isVisible());
    EXPECT_EQ(field->text(), "");

    test::ProcessEvents();
    EXPECT_FALSE(edit->View()->isVisible());
    EXPECT_EQ(field->text(), "1.2.3");
    EXPECT_EQ(edit->View()->geometry(), QRect(20, 20, 200, 30));
    EXPECT_EQ(stage->View()->findChild<QLineEdit*>()->text(), "1600");
}

TEST(Toolkit, UpdatesQueuedByAWorkerAreDroppedWhenTheWindowGoesFirst) {
    test::ProcessEvents();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    auto dialog = std::make_unique<RecordingDialog>();
    MText* text = nullptr;
    dialog->build = [&](RecordingDialog& d) { text = d.CreateControl<MText>(1, {0, 0, 50, 20}); };
    dialog->Open();
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) {
            text->SetTitle(std::to_string(i));
        }
    });
    worker.join();
    dialog.reset();
    test::ProcessEvents();  // must not touch the destroyed controls
    EXPECT_LE(QApplication::topLevelWidgets().size(), windowsBefore) << "its views went with it";

    // The queue still serves the windows that live: a later worker's last title is shown.
    RecordingDialog next;
    MText* shown = nullptr;
    next.build = [&](RecordingDialog& d) { shown = d.CreateControl<MText>(1, {0, 0, 50, 20}); };
    next.Open();
    std::thread([&] {
        for (int i = 0; i < 100; ++i) {
            shown->SetTitle(std::to_string(i));
        }
    }).join();
    test::ProcessEvents();
    EXPECT_EQ(shown->GetTitle(), "99");
}

// Text fields alive in the program.
long Fields() {
    const QWidgetList all = QApplication::allWidgets();
    return std::count_if(all.begin(), all.end(),
                         [](QWidget* w) { return qobject_cast<QLineEdit*>(w) != nullptr; });
}

TEST(Toolkit, DestroyingAWindowWithAFocusedFieldInsideAPageIsSafe) {
    const long fieldsBefore = Fields();
    auto dialog = std::make_unique<RecordingDialog>();
    MEdit* edit = nullptr;
    dialog->build = [&](RecordingDialog& d) {
        auto* page = d.CreateControl<MTabLayout>(50, {0, 0, 600, 400});
        edit = d.CreateControl<MEdit>(1, {10, 10, 200, 40}, {}, page);
        d.CreateControl<DPIControl>(2, {10, 50, 110, 110}, {}, page);
        d.CreateControl<MEdit>(3, {10, 120, 200, 150}, {}, page);
    };
    dialog->Open();
    test::Focus(*edit);
    ASSERT_TRUE(edit->View()->findChild<QLineEdit*>()->hasFocus());
    dialog.reset();  // no field may take the focus from a control already gone
    test::ProcessEvents();
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(Fields(), fieldsBefore) << "a field outlived its window";
}

TEST(Toolkit, PostedMessagesArriveInOrderOnTheGuiThread) {
    RecordingDialog dialog;
    dialog.Open();
    constexpr int kCount = 200;
    std::thread worker([&] {
        for (int i = 0; i < kCount; ++i) {
            ASSERT_TRUE(PostMessage(dialog.GetSafeHwnd(), 1714, 0, i));
        }
    });
    worker.join();
    EXPECT_TRUE(dialog.messages.empty()) << "posting never runs the handler on the caller's thread";
    ASSERT_TRUE(test::WaitUntil([&] { return dialog.messages.size() == kCount; }));
    for (int i = 0; i < kCount; ++i) {
        EXPECT_EQ(dialog.messages[static_cast<size_t>(i)].lParam, i);
        EXPECT_EQ(dialog.messages[static_cast<size_t>(i)].thread, std::this_thread::get_id());
    }
    EXPECT_FALSE(PostMessage(nullptr, 1714, 0, 0));
}

TEST(Toolkit, GroupsAreExclusiveWithinTheirName) {
    RecordingDialog dialog;
    dialog.Open();
    auto* a = dialog.CreateControl<CRadioButton>(1, {});
    auto* b = dialog.CreateControl<CRadioButton>(2, {});
    auto* other = dialog.CreateControl<CRadioButton>(3, {});
    auto* rate = dialog.CreateControl<ColorButtonEx>(4, {});
    a->SetGroupName("G");
    b->SetGroupName("G");
    other->SetGroupName("H");
    rate->SetGroupName("G");
    a->SetCheck(true);
    other->SetCheck(true);
    b->SetCheck(true);
    EXPECT_FALSE(a->GetCheck());
    EXPECT_TRUE(b->GetCheck());
    EXPECT_TRUE(other->GetCheck());
    rate->SetCheck(true);
    EXPECT_FALSE(b->GetCheck()) << "any checkable kind shares a group by name";
    rate->SetCheck(false);
    EXPECT_FALSE(rate->GetCheck());
}

TEST(Toolkit, TabSelectionShowsOnlyItsPageAndItsControls) {
    RecordingDialog dialog;
    MTabCtrl* tabs = nullptr;
    MTabLayout* home = nullptr;
    MTabLayout* buttons = nullptr;
    MText* label = nullptr;
    dialog.build = [&](RecordingDialog& d) {
        tabs = d.CreateControl<MTabCtrl>(45, {20, 40, 380, 100});
        home = d.CreateControl<MTabLayout>(51, {1, 110, 599, 350});
        buttons = d.CreateControl<MTabLayout>(46, {1, 110, 599, 350});
        label = d.CreateControl<MText>(59, {40, 130, 200, 160}, {}, buttons);
        tabs->InsertItem(1, "Home", "icon\\tab_home.png", home);
        tabs->InsertItem(2, "Buttons", "icon\\tab_key.png", buttons);
        tabs->SetCurSel(0);
    };
    dialog.Open();
    EXPECT_TRUE(home->IsShown());
    EXPECT_FALSE(buttons->IsShown());
    EXPECT_TRUE(label->IsVisible());
    EXPECT_FALSE(label->IsShown());
    EXPECT_FALSE(label->View()->isVisible());

    tabs->SetCurSel(1);
    EXPECT_EQ(tabs->GetItemID(1), 2);
    EXPECT_EQ(tabs->GetItemID(5), -1);
    EXPECT_FALSE(home->IsShown());
    EXPECT_TRUE(label->IsShown());
    EXPECT_TRUE(label->View()->isVisible());
}

}  // namespace
}  // namespace quillon
