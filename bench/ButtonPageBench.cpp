// The button page's refresh from the database (after every stored change and device read, on
// the worker too) and opening the emoji dialog with its 109 pictures, up to its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "input/FunctionCatalogue.h"
#include "platform/LanguageChoice.h"
#include "platform/Paths.h"
#include "QtBenchApp.h"
#include "support/PageTestHost.h"
#include "ui/MouseKeyConfigDlg.h"
#include "ui/pages/ButtonPage.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/ModalHooks.h"

namespace quillon {
namespace {

// A profile with every editable button assigned, so the refresh reads and names seven rows.
void StoreSevenRows(SettingsStore& store, int profile) {
    const int types[] = {kFnLeftClick,  kFnKey,    kFnDpiCycle, kFnEmoji,
                         kFnMultimedia, kFnSystem, kFnDisabled};
    const char* texts[] = {"121", "Ctrl + A", "152", "表情: 微笑", "175", "189", "162"};
    for (size_t i = 0; i < kEditableKeyCodes.size(); ++i) {
        KeyAssignment record;
        record.profile = profile;
        record.key_code = kEditableKeyCodes[i];
        record.macro_type = types[i];
        record.macro_value = types[i] == kFnMultimedia ? 6 : (types[i] == kFnKey ? 4 : 1);
        record.macro_value2 = types[i] == kFnKey ? 1 : 0;
        record.macro_desc = texts[i];
        store.SaveKeyAssignment(record);
    }
}

void BM_RefreshButtonPage(benchmark::State& state) {
    test::PageTestHost host;
    auto& page = host.Install(std::make_unique<ButtonPage>(host));
    StoreSevenRows(host.store, host.activeProfile);
    for (auto _ : state) {
        page.Refresh();
    }
    QApplication::processEvents();
}
BENCHMARK(BM_RefreshButtonPage)->Unit(benchmark::kMicrosecond);

void BM_OpenEmojiDialog(benchmark::State& state) {
    test::PageTestHost host;
    host.Dialog().ShowWindow(kSwShowNormal);
    ScopedModalHandler firstPaint([](MDialog& dialog) {
        dialog.View()->repaint();
        dialog.DoCancel();
    });
    for (auto _ : state) {
        MouseKeyConfigDlg dialog(host.store, host.activeProfile, 4, kFnEmoji);
        dialog.Run(host.Dialog());
    }
    QApplication::processEvents();
}
BENCHMARK(BM_OpenEmojiDialog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
    quillon::QtBenchApp();
    quillon::SetCurrentLanguageId(quillon::kLanguageEnglishUs);
    quillon::Manager::SetInstance(quillon::ResourceFolder());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
