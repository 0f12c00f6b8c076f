// The toolkit used from the GUI thread and a worker thread at once, as the window and the device
// worker use it. Built under ThreadSanitizer too (make test-tsan), which sees the races these
// runs only make likely.
#include <gtest/gtest.h>

#include <QWidget>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "RecordingDialog.h"
#include "support/QtInput.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/MText.h"

namespace quillon {
namespace {

using test::RecordingDialog;

// One exclusive group of each kind the pages use, each member shown and clickable.
struct Group {
    std::string name;
    std::vector<CCheckButton*> members;
};

template <class T>
Group MakeGroup(RecordingDialog& dialog, const std::string& name, int firstId, int count, int top) {
    Group group{name, {}};
    for (int i = 0; i < count; ++i) {
        int left = 10 + i * 90;
        auto* member = dialog.CreateControl<T>(firstId + i, {left, top, left + 80, top + 60});
        member->SetGroupName(name);
        group.members.push_back(member);
    }
    group.members.front()->SetCheck(true);
    return group;
}

TEST(ToolkitThreads, AGroupChangedByAWorkerAndByClicksAtOnceKeepsExactlyOneMemberChecked) {
    RecordingDialog dialog;
    std::vector<Group> groups;
    dialog.build = [&](RecordingDialog& d) {
        groups.push_back(MakeGroup<DPIControl>(d, "MOUSE_DPICTRL", 1, 6, 10));
        groups.push_back(MakeGroup<ColorButtonEx>(d, "REPORTRATE", 11, 4, 90));
        groups.push_back(MakeGroup<CRadioButton>(d, "IDC_SYS_STC_SROLL", 21, 2, 170));
    };
    dialog.Open();
    test::ProcessEvents();

    // The worker checks members in turn, as a refresh from the mouse's reports does, and looks
    // at the group after each change. It is stopped and joined however the test ends.
    std::atomic<int> badWorkerViews{0};
    std::jthread worker([&](std::stop_token stop) {
        for (size_t turn = 0; !stop.stop_requested(); ++turn) {
            for (const Group& group : groups) {
                group.members[turn % group.members.size()]->SetCheck(true);
                if (dialog.GetGroupChecked(group.name).size() != 1) {
                    ++badWorkerViews;
                }
            }
        }
    });
    // Meanwhile the GUI thread clicks every member, as a person would, and checks each group.
    for (int round = 0; round < 1000; ++round) {
        for (const Group& group : groups) {
            for (CCheckButton* member : group.members) {
                test::Click(*member, 5, 5);
                member->SetCheck(true);
                for (const Group& each : groups) {
                    ASSERT_EQ(dialog.GetGroupChecked(each.name).size(), 1u)
                        << each.name << " in round " << round;
                }
            }
        }
    }
    worker.request_stop();
    worker.join();
    test::ProcessEvents();
    EXPECT_EQ(badWorkerViews, 0);
    for (const Group& group : groups) {
        int checked = 0;
        for (CCheckButton* member : group.members) {
            checked += member->GetCheck() ? 1 : 0;
        }
        EXPECT_EQ(checked, 1) << group.name;
    }
    EXPECT_FALSE(dialog.EventsOf(1).empty()) << "the clicks reached the dialog";
}

TEST(ToolkitThreads, AWorkerSettingValuesWhileTheGuiThreadCreatesViewsReachesEveryView) {
    RecordingDialog dialog;
    dialog.Open();
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        while (!stop) {
            for (MControl* control : dialog.GetControls()) {
                control->SetTitle("from the worker");
            }
        }
    });
    constexpr int kCount = 150;
    for (int id = 1; id <= kCount; ++id) {
        dialog.CreateControl<MText>(id, {0, 0, 50, 20});
        test::ProcessEvents();
    }
    stop = true;
    worker.join();
    // A view made while the worker was posting still takes later updates from other threads.
    std::thread late([&] {
        for (MControl* control : dialog.GetControls()) {
            control->SetVisible(false);
        }
    });
    late.join();
    ASSERT_TRUE(test::WaitUntil([&] {
        for (MControl* control : dialog.GetControls()) {
            if (control->View()->isVisible()) {
                return false;
            }
        }
        return true;
    }));
    EXPECT_EQ(dialog.GetControls().size(), static_cast<size_t>(kCount));
}

}  // namespace
}  // namespace quillon
