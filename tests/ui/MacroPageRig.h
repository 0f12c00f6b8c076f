#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "platform/LanguageChoice.h"
#include "store/SettingsStore.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "ui/pages/MacroPage.h"
#include "ui/pages/MacroPageIds.h"
#include "ui/pages/OwnWindowInputSource.h"
#include "ui/toolkit/CRecordList.h"
#include "ui/toolkit/MacroList.h"

namespace quillon::test {

// Folders the macro file dialogs answer with, as a person would choose them.
class ScriptedChooser : public MacroFileChooser {
  public:
    std::string ChooseImportFile(QWidget*) override { return importFile; }
    std::string ChooseExportFolder(QWidget*) override { return exportFolder; }
    std::string importFile;
    std::string exportFolder;
};

// The macro page in a one-page window over a real database, recording from the input that
// reaches the window itself (as in a Wayland session) or from another source.
struct MacroPageRig {
    // `source`: the window's own input when null.
    explicit MacroPageRig(std::function<void(SettingsStore&)> seed = {},
                          std::unique_ptr<RawInputSource> source = nullptr) {
        SetCurrentLanguageId(1033);
        if (seed) {
            seed(host.store);
        }
        auto ownChooser = std::make_unique<ScriptedChooser>();
        chooser = ownChooser.get();
        page = &static_cast<MacroPage&>(host.Install(std::make_unique<MacroPage>(
            host, source ? std::move(source) : std::make_unique<OwnWindowInputSource>(),
            std::move(ownChooser))));
        host.deliverPosted = true;
        host.Dialog().ShowWindow(kSwShow);
        ProcessEvents();
    }

    // A key as the keyboard reports it to the window: its xkb keycode and keysym.
    void Key(QEvent::Type type, int keycode, unsigned keysym, bool repeat = false) {
        QWindow* window = host.Dialog().View()->windowHandle();
        QKeyEvent event(type, 0, Qt::NoModifier, static_cast<quint32>(keycode), keysym, 0,
                        QString(), repeat);
        QApplication::sendEvent(window, &event);
        ProcessEvents();
    }

    std::vector<std::string> ItemTexts() const {
        std::vector<std::string> texts;
        for (int i = 0; i < page->itemList->GetCount(); ++i) {
            texts.push_back(page->itemList->GetItemText(i));
        }
        return texts;
    }

    std::vector<MacroItem> Stored(int macroId) {
        std::vector<MacroItem> items;
        host.store.LoadMacroItems(macroId, items);
        return items;
    }

    int Menu(unsigned message, int choice) {
        std::intptr_t result = 0;
        page->OnWindowMessage(message, 0, choice, result);
        return static_cast<int>(result);
    }

    PageTestHost host;
    ScriptedChooser* chooser = nullptr;
    MacroPage* page = nullptr;
};

// A macro with items, stored before the page is built.
inline int SeedMacro(SettingsStore& store, const std::string& name,
                     const std::vector<MacroItem>& items, int delayType = 1, int delayTime = 0,
                     int playType = 0, int playTimes = 1) {
    MacroHeader header;
    header.name = name;
    header.delay_type = delayType;
    header.delay_time = delayTime;
    header.play_type = playType;
    header.play_times = playTimes;
    const int id = store.InsertMacro(header);
    std::vector<MacroItem> rows = items;
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].macro_id = id;
        rows[i].record_index = static_cast<int>(i);
    }
    store.InsertMacroItems(rows);
    return id;
}

inline MacroItem Item(int type, int value, const std::string& desc, int stamp) {
    MacroItem item;
    item.type = type;
    item.value = value;
    item.desc = desc;
    item.delay_time = stamp;
    return item;
}

}  // namespace quillon::test
