// Building the main window's ~200 controls and applying the language texts to all of them: both
// run at start-up, and the second again at every language switch. Also what a worker's refresh
// of the exclusive groups costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"

#include "QtBenchApp.h"

namespace quillon {
namespace {

// The kinds of the main window's controls, as many as its frame and four pages create, each with
// the text id it shows (0: none).
struct Kind {
    std::string_view className;
    int count;
    int textId;
};
constexpr Kind kMainWindow[] = {
    {"MPicture", 8, 0},        {"CImageButton", 9, 253}, {"BatteryCtrl", 1, 0},
    {"CDeviceState", 1, 51},   {"CTextButton", 1, 0},    {"CRoundArea", 16, 255},
    {"MText", 62, 171},        {"CHelpButton", 8, 252},  {"MComboBox", 13, 0},
    {"DPIControl", 6, 261},    {"DPISlider", 1, 0},      {"ColorButtonEx", 7, 0},
    {"CRadioButton", 17, 361}, {"CCheckButton", 5, 585}, {"NumberEdit", 1, 0},
    {"MouseCtrl", 1, 0},       {"MButton", 14, 22},      {"CArea", 4, 0},
    {"MacroList", 1, 0},       {"CRecordList", 1, 0},    {"CIconButton", 1, 358},
    {"MEdit", 6, 0},           {"CSwitchButton", 1, 0},
};

class MainWindowLike : public MDialog {
  public:
    std::vector<std::pair<MControl*, int>> texts;
    MTabCtrl* tabs = nullptr;
    std::vector<MComboBox*> lists;
    // Members of the exclusive groups, one group per kind (the DPI stages, the report rates, ...).
    std::vector<std::pair<std::string_view, CCheckButton*>> groups;

    void InitUI(int, int, int right, int bottom) override {
        tabs = CreateControl<MTabCtrl>(45, {20, 40, 380, 100});
        // All controls on the selected page, so that they are all shown and drawn.
        MTabLayout* page = nullptr;
        for (int i = 0; i < 5; ++i) {
            auto* layout = CreateControl<MTabLayout>(46 + i, {1, 110, right - 1, bottom - 50});
            tabs->InsertItem(i + 1, {}, "icon\\tab_home.png", layout);
            page = page == nullptr ? layout : page;
        }
        tabs->SetCurSel(0);
        int id = 100;
        for (const Kind& kind : kMainWindow) {
            for (int i = 0; i < kind.count; ++i, ++id) {
                int x = 20 + (id * 37) % (right - 160);
                int y = 120 + (id * 23) % (bottom - 200);
                MControl* control =
                    CreateControl(kind.className, id, {x, y, x + 120, y + 30}, {}, page);
                if (kind.textId != 0) {
                    texts.emplace_back(control, kind.textId);
                }
                if (auto* member = dynamic_cast<CCheckButton*>(control)) {
                    member->SetGroupName(std::string(kind.className));
                    groups.emplace_back(kind.className, member);
                }
                if (auto* list = dynamic_cast<MComboBox*>(control)) {
                    for (int item = 0; item < 18; ++item) {
                        list->AddItem({}, item);
                    }
                    lists.push_back(list);
                }
            }
        }
    }

    // What the controller does for every control at a language switch.
    void ApplyTexts() {
        for (int position = 0; position < 5; ++position) {
            tabs->SetItemText(position, GetText(71 + position));
        }
        for (auto& [control, textId] : texts) {
            control->SetTitle(GetText(textId));
            control->SetTooltip(GetText(textId + 1));
        }
        for (MComboBox* list : lists) {
            for (int item = 0; item < list->GetCount(); ++item) {
                list->SetItemText(item, GetText(160 + item % 5));
            }
        }
    }
};

int ControlCount(MainWindowLike& window) {
    return static_cast<int>(window.GetControls().size());
}

void BM_CreateMainWindowControls(benchmark::State& state) {
    QtBenchApp();
    int controls = 0;
    for (auto _ : state) {
        MainWindowLike window;
        window.Create(nullptr, "bench", kWsPopup, 0, {0, 0, 1121, 780});
        window.ShowWindow(kSwShow);
        QApplication::processEvents();
        controls = ControlCount(window);
        state.PauseTiming();
        window.DestroyWindow();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["controls"] = controls;
}
BENCHMARK(BM_CreateMainWindowControls)->Unit(benchmark::kMillisecond);

void BM_ApplyTextsToAllControls(benchmark::State& state) {
    QtBenchApp();
    MainWindowLike window;
    window.Create(nullptr, "bench", kWsPopup, 0, {0, 0, 1121, 780});
    window.ShowWindow(kSwShow);
    QApplication::processEvents();
    int language = 1033;
    for (auto _ : state) {
        language = language == 1033 ? 2052 : 1033;
        SetCurrentLanguageId(language);
        window.ApplyTexts();
        QApplication::processEvents();
    }
    state.counters["controls"] = ControlCount(window);
    state.counters["texts"] =
        static_cast<double>(window.texts.size() * 2 + 5 + window.lists.size() * 18);
}
BENCHMARK(BM_ApplyTextsToAllControls)->Unit(benchmark::kMillisecond);

// Drawing every control once, as the first frame after start-up does.
void BM_PaintMainWindow(benchmark::State& state) {
    QtBenchApp();
    MainWindowLike window;
    window.Create(nullptr, "bench", kWsPopup, 0, {0, 0, 1121, 780});
    window.ApplyTexts();
    window.ShowWindow(kSwShow);
    QApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.View()->grab());
    }
}
BENCHMARK(BM_PaintMainWindow)->Unit(benchmark::kMillisecond);

// What a device worker's refresh does to the exclusive groups: check one DPI stage and one report
// rate, each under its dialog's group lock, from a thread other than the GUI thread.
void BM_WorkerChecksGroupMembers(benchmark::State& state) {
    QtBenchApp();
    MainWindowLike window;
    window.Create(nullptr, "bench", kWsPopup, 0, {0, 0, 1121, 780});
    window.ShowWindow(kSwShow);
    QApplication::processEvents();
    std::vector<CCheckButton*> stages;
    std::vector<CCheckButton*> rates;
    for (auto& [kind, member] : window.groups) {
        if (kind == DPIControl::kClassName) {
            stages.push_back(member);
        } else if (kind == ColorButtonEx::kClassName) {
            rates.push_back(member);
        }
    }
    constexpr int kRefreshes = 1000;
    for (auto _ : state) {
        std::thread worker([&] {
            for (int i = 0; i < kRefreshes; ++i) {
                stages[static_cast<size_t>(i) % stages.size()]->SetCheck(true);
                rates[static_cast<size_t>(i) % rates.size()]->SetCheck(true);
            }
        });
        worker.join();
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRefreshes);
}
BENCHMARK(BM_WorkerChecksGroupMembers)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quillon
