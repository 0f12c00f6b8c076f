#include "ui/pages/MacroPage.h"

#include <QCursor>
#include <QWidget>

#include "input/LocalizeName.h"
#include "input/MacroItems.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/TickCount.h"
#include "store/MacroExchangeFile.h"
#include "store/SettingsStore.h"
#include "ui/MessageBox.h"
#include "ui/pages/DesktopInputSource.h"
#include "ui/pages/MacroPageIds.h"
#include "ui/pages/PageGrid.h"
#include "ui/pages/PageTexts.h"
#include "ui/toolkit/CArea.h"
#include "ui/toolkit/CIconButton.h"
#include "ui/toolkit/CRecordList.h"
#include "ui/toolkit/CRoundArea.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MPicture.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/MacroList.h"
#include "ui/toolkit/MenuWnd.h"

namespace quillon {

using namespace macro_ids;

namespace {

constexpr const char* kRecordIcon = "icon\\icon_rec.png";
constexpr const char* kStopIcon = "icon\\icon_stop_rec.png";
// Says once, in the message line, what a Wayland session cannot offer.
constexpr int kOwnWindowOnlyTextId = 416;
constexpr int kImportRefusedTextId = 417;
constexpr int kExportFailedTextId = 418;

ListItem RowOfItem(const MacroItem& item) {
    ListItem row;
    row.text = item.desc;
    row.type = item.type;
    row.value = item.value;
    row.time = item.delay_time;
    return row;
}

MacroItem ItemOfRow(const ListItem& row) {
    MacroItem item;
    item.desc = row.text;
    item.type = row.type;
    item.value = row.value;
    item.delay_time = static_cast<int>(row.time);
    return item;
}

}  // namespace

MacroPage::MacroPage(PageHost& host, std::unique_ptr<RawInputSource> source,
                     std::unique_ptr<MacroFileChooser> chooser)
    : Page(host),
      chooser_(chooser ? std::move(chooser) : std::make_unique<MacroFileChooser>()),
      capture_(source ? std::move(source) : MakeDesktopInputSource(),
               [&host](std::uintptr_t handle) {
                   host.PostMessage(kMsgRawInput, 0, static_cast<std::intptr_t>(handle));
               }),
      macros_(host.Store(), *this, LanguageContext{0, [](int id) { return GetText(id); }}) {}

MacroPage::~MacroPage() = default;

std::vector<IdRange> MacroPage::Ids() const {
    return {{kFirstHandled, kLastHandled}};
}

LanguageContext MacroPage::Language() const {
    return {CurrentLanguageId(), [](int id) { return GetText(id); }};
}

void MacroPage::ShowNotice(int titleTextId, int messageTextId) {
    Host().ShowMessageBox(titleTextId, messageTextId, kMessageBoxOk);
}

void MacroPage::Build(MControl& area) {
    area_ = &area;
    MDialog& dialog = Host().Dialog();
    const PageTexts texts{[this](MControl& c, int id) { BindTitle(c, id); },
                          [this](MControl& c, int id) { BindTooltip(c, id); },
                          [this](MComboBox& b, int index, int id) { BindItemText(b, index, id); }};
    auto add = [&](MControl* control, MRect design, int textId = 0) {
        layout_.emplace_back(control, design);
        if (textId != 0) {
            BindTitle(*control, textId);
        }
        return control;
    };

    auto* left = dialog.CreateControl<CRoundArea>(kPanelLeft, {}, {}, &area);
    add(left, {20, 50, 350, 604});
    auto* right = dialog.CreateControl<CRoundArea>(kPanelRight, {}, {}, &area);
    add(right, {366, 50, 1099, 604});
    dialog.AllowSharedId(kPanelShared);
    auto* strip = dialog.CreateControl<CRoundArea>(kPanelShared, {}, {}, &area);
    strip->SetColor(kColorPage);
    add(strip, {382, 92, 720, 116});
    auto* title = dialog.CreateControl<MText>(kTitle, {}, {}, &area);
    title->SetFont({}, 20);
    title->SetTextColor(kColorWhite);
    add(title, {24, 8, 600, 44}, 350);

    auto* macroHeading = dialog.CreateControl<MText>(kMacroHeading, {}, {}, &area);
    macroHeading->SetTextColor(kColorWhite);
    add(macroHeading, {36, 60, 334, 88}, 352);
    add(dialog.CreateControl<CArea>(kMacroFrame, {}, {}, &area), {36, 96, 334, 532});
    macroList = dialog.CreateControl<MacroList>(kMacroList, {}, {}, &area);
    macroList->SetMoreImage("btn_more.png");
    add(macroList, {38, 98, 332, 530});
    add(dialog.CreateControl<MButton>(kNewMacro, {}, {}, &area), {36, 548, 130, 586}, 353);
    add(dialog.CreateControl<MButton>(kImport, {}, {}, &area), {138, 548, 232, 586}, 26);
    add(dialog.CreateControl<MButton>(kExport, {}, {}, &area), {240, 548, 334, 586}, 27);

    add(dialog.CreateControl<MPicture>(kContentPicture, {}, "img_area_content.png", &area),
        {382, 116, 720, 540});
    auto* itemHeading = dialog.CreateControl<MText>(kItemHeading, {}, {}, &area);
    itemHeading->SetTextColor(kColorWhite);
    add(itemHeading, {382, 60, 720, 88}, 355);
    // The list shows each item's text only: the number and delay columns stay hidden.
    for (int id : {kNumberHeading, kDelayHeading}) {
        auto* heading = dialog.CreateControl<MText>(id, {}, {}, &area);
        heading->SetVisible(false);
        add(heading, {392, 92, 500, 116}, id == kNumberHeading ? 388 : 390);
    }
    auto* eventHeading = dialog.CreateControl<MText>(kEventHeading, {}, {}, &area);
    eventHeading->SetFont({}, 13);
    add(eventHeading, {422, 92, 710, 116}, 389);
    add(dialog.CreateControl<CArea>(kItemFrame, {}, {}, &area), {382, 116, 720, 540});
    itemList = dialog.CreateControl<CRecordList>(kItemList, {}, {}, &area);
    itemList->SetItemIcon("icon\\icon_record.png");
    itemList->SetMoreImage("btn_more.png");
    add(itemList, {384, 118, 718, 538});
    add(dialog.CreateControl<MButton>(kInsert, {}, {}, &area), {382, 552, 472, 588}, 39);
    add(dialog.CreateControl<MButton>(kDeleteItem, {}, {}, &area), {480, 552, 570, 588}, 357);

    recordButton = dialog.CreateControl<CIconButton>(kRecord, {}, {}, &area);
    recordButton->SetIcon(kRecordIcon);
    add(recordButton, {740, 60, 1083, 104});
    recordButton->SetTitle(GetText(358));

    choices.Build(Host(), area, texts);
    editor.Build(Host(), area, texts);
    editor.beginKeyCapture = [this] { capture_.BeginKeyCapture(); };
    editor.endKeyCapture = [this] { return capture_.EndKeyCapture(); };
    TellLimitationOnce();
}

void MacroPage::Place(int, int, float scale) {
    if (area_ == nullptr) {
        return;
    }
    const MRect origin = area_->GetRect();
    const PageGrid grid{origin.left, origin.top, scale};
    for (const auto& [control, design] : layout_) {
        control->SetRect(grid.At(design.left, design.top, design.right, design.bottom));
    }
    choices.Place(grid);
    editor.Place(grid);
}

void MacroPage::ApplyOwnTexts() {
    const LanguageContext language = Language();
    std::vector<MacroHeader> macros;
    Host().Store().LoadMacros(macros);
    for (int i = 0; i < macroList->GetCount(); ++i) {
        for (const MacroHeader& macro : macros) {
            if (macro.macro_id == macroList->GetItemData(i)) {
                macroList->SetItemText(i, LocalizeName(macro.name, language));
            }
        }
    }
    recordButton->SetTitle(GetText(IsRecording() ? 359 : 358));
    editor.ApplyTexts();
}

void MacroPage::TellLimitationOnce() {
    if (!limitationTold_ && !capture_.SeesOtherPrograms()) {
        limitationTold_ = true;
        Host().ShowMessageLine(GetText(kOwnWindowOnlyTextId));
    }
}

// ---- Showing macros ----

void MacroPage::RefreshMacroPage() {
    macroList->DelAllItems();
    itemList->DelAllItems();
    std::vector<MacroHeader> macros;
    Host().Store().LoadMacros(macros);
    const LanguageContext language = Language();
    for (const MacroHeader& macro : macros) {
        ListItem entry;
        entry.text = LocalizeName(macro.name, language);
        entry.data = macro.macro_id;
        macroList->AddItem(entry);
    }
    if (!macros.empty()) {
        macroList->SetCurSel(0);
        ShowMacro(macros.front().macro_id);
    }
}

void MacroPage::ShowMacro(int macroId) {
    editor.Hide();
    MacroHeader header;
    if (Host().Store().GetMacro(macroId, header)) {
        choices.Show(header);
    }
    std::vector<MacroItem> items;
    Host().Store().LoadMacroItems(macroId, items);
    ShowItems(items, -1);
}

void MacroPage::HideMacroEditing() {
    editor.Hide();
}

int MacroPage::SelectedMacro() const {
    return macroList->GetItemData(macroList->GetCurSel());
}

MacroItemList MacroPage::ListOfPage() const {
    std::vector<MacroItem> items;
    const int count = itemList->GetCount();
    items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        items.push_back(ItemOfRow(itemList->GetItem(i)));
    }
    MacroItemList list(std::move(items));
    list.Select(itemList->GetCurSel());
    return list;
}

void MacroPage::ShowItems(const std::vector<MacroItem>& items, int selection) {
    itemList->DelAllItems();
    for (const MacroItem& item : items) {
        itemList->AddItem(RowOfItem(item));
    }
    itemList->SetCurSel(selection);
}

void MacroPage::StoreItems(const MacroItemList& list) {
    ShowItems(list.Items(), list.Selection());
    macros_.SaveItems(SelectedMacro(), list.Items());
}

void MacroPage::SaveHeader() {
    const int macroId = SelectedMacro();
    if (macroId > 0) {
        macros_.SaveHeader(choices.Header(macroId));
    }
}

// ---- Events ----

int MacroPage::OnMessage(int controlId, int event, std::intptr_t param) {
    if (IsRecording() && controlId != kRecord) {
        return 1;
    }
    switch (controlId) {
        case kMacroList:
            OnMacroListEvent(event, param);
            return 1;
        case kItemList:
            OnItemListEvent(event, param);
            return 1;
        default:
            break;
    }
    if (choices.OnMessage(controlId, event)) {
        SaveHeader();
        return 1;
    }
    MacroItemList list = ListOfPage();
    switch (editor.OnMessage(controlId, event, list)) {
        case MacroItemEditor::Result::Changed:
            StoreItems(list);
            return 1;
        case MacroItemEditor::Result::Handled:
            return 1;
        case MacroItemEditor::Result::NotMine:
            break;
    }
    if (event != kEventClick) {
        return 0;
    }
    switch (controlId) {
        case kNewMacro:
            NewMacro();
            return 1;
        case kImport:
            ImportMacro();
            return 1;
        case kExport:
            ExportMacro();
            return 1;
        case kRecord:
            IsRecording() ? StopRecording() : StartRecording();
            return 1;
        case kDeleteItem:
            list.DeleteSelected();
            StoreItems(list);
            editor.Hide();
            return 1;
        case kMoveUp:
            list.MoveUp();
            StoreItems(list);
            return 1;
        case kMoveDown:
            list.MoveDown();
            StoreItems(list);
            return 1;
        case kInsert: {
            if (list.IsFull()) {
                ShowNotice(kInsertItemTitleTextId, kItemLimitTextId);
                return 1;
            }
            const MRect button = Host().Dialog().GetControl(kInsert)->GetRect();
            int x = button.left;
            int y = button.top - 115;
            Host().Dialog().ClientToScreen(x, y);
            OpenMenu(
                kMsgInsertMenu,
                {{kMenuClickPair, 396}, {kMenuKeyPair, 397}, {kMenuPause, 398}, {kMenuMove, 410}},
                x, y);
            return 1;
        }
        default:
            return 0;
    }
}

void MacroPage::OnMacroListEvent(int event, std::intptr_t param) {
    if (event == kEventClick) {
        ShowMacro(SelectedMacro());
    } else if (event == kEventContextMenu) {
        const QPoint at = QCursor::pos();
        OpenMenu(kMsgMacroMenu, {{kMenuCopy, 405}, {kMenuDelete, 30}}, at.x() + 2, at.y() + 2);
    } else if (event == kEventEditDone) {
        const int position = static_cast<int>(param);
        const int macroId = macroList->GetItemData(position);
        const std::string now =
            macros_.RenameMacro(macroId, macroList->GetItemText(position), Host().ActiveProfile());
        macroList->SetItemText(position, LocalizeName(now, Language()));
    }
}

void MacroPage::OnItemListEvent(int event, std::intptr_t param) {
    if (event == kEventClick) {
        const MacroItemList list = ListOfPage();
        if (param >= 0 && param < list.Size()) {
            editor.ShowFor(list.Items()[static_cast<size_t>(param)]);
        }
    } else if (event == kEventContextMenu) {
        const QPoint at = QCursor::pos();
        OpenMenu(kMsgItemMenu,
                 {{kMenuTop, 400}, {kMenuUp, 401}, {kMenuDown, 402}, {kMenuBottom, 403}},
                 at.x() - 125, at.y() + 2);
    }
}

void MacroPage::OpenMenu(unsigned message, const std::vector<std::pair<int, int>>& items, int x,
                         int y) {
    MenuWnd menu;
    for (const auto& [id, textId] : items) {
        menu.AddItem(id, GetText(textId));
    }
    menu.Create(&Host().Dialog(), message, x, y);
}

bool MacroPage::OnWindowMessage(unsigned message, std::uintptr_t, std::intptr_t lParam,
                                std::intptr_t& result) {
    const int choice = static_cast<int>(lParam);
    switch (message) {
        case kMsgMacroMenu:
            OnMacroMenu(choice);
            result = 1;
            return true;
        case kMsgInsertMenu:
            OnInsertMenu(choice);
            result = 1;
            return true;
        case kMsgItemMenu:
            OnItemMenu(choice);
            result = 1;
            return true;
        case kMsgRawInput:
            OnRawInput(static_cast<std::uintptr_t>(lParam));
            result = 0;
            return true;
        default:
            return false;
    }
}

void MacroPage::OnMacroMenu(int choice) {
    if (IsRecording()) {
        return;
    }
    const int position = macroList->GetCurSel();
    const int macroId = macroList->GetItemData(position);
    if (choice == kMenuCopy) {
        const int copyId = macros_.CopyMacro(macroId);
        MacroHeader copy;
        if (copyId > 0 && Host().Store().GetMacro(copyId, copy)) {
            ListItem entry;
            entry.text = LocalizeName(copy.name, Language());
            entry.data = copyId;
            macroList->AddItem(entry);
        }
    } else if (choice == kMenuDelete) {
        if (macroId <= 0 || !macros_.DeleteMacro(macroId)) {
            return;
        }
        macroList->DeleteItem(position);
        macroList->SetCurSel(position - 1);
        itemList->DelAllItems();
        editor.Hide();
    }
}

void MacroPage::OnInsertMenu(int choice) {
    if (IsRecording()) {
        return;
    }
    MacroItemList::Insertion what;
    switch (choice) {
        case kMenuKeyPair:
            what = MacroItemList::Insertion::KeyPair;
            break;
        case kMenuClickPair:
            what = MacroItemList::Insertion::ClickPair;
            break;
        case kMenuPause:
            what = MacroItemList::Insertion::Pause;
            break;
        case kMenuMove:
            what = MacroItemList::Insertion::Move;
            break;
        default:
            return;
    }
    const int macroId = SelectedMacro();
    if (macroId <= 0) {
        return;
    }
    MacroItemList list = ListOfPage();
    if (macros_.InsertItem(list, macroId, what)) {
        ShowItems(list.Items(), list.Selection());
    }
}

void MacroPage::OnItemMenu(int choice) {
    if (IsRecording()) {
        return;
    }
    MacroItemList list = ListOfPage();
    if (list.Selection() < 0) {
        return;
    }
    switch (choice) {
        case kMenuTop:
            list.MoveToTop();
            break;
        case kMenuUp:
            list.MoveUp();
            break;
        case kMenuDown:
            list.MoveDown();
            break;
        case kMenuBottom:
            list.MoveToBottom();
            break;
        default:
            return;
    }
    StoreItems(list);
}

void MacroPage::NewMacro() {
    const int macroId = macros_.NewMacro();
    MacroHeader header;
    if (macroId <= 0 || !Host().Store().GetMacro(macroId, header)) {
        return;
    }
    ListItem entry;
    entry.text = LocalizeName(header.name, Language());
    entry.data = macroId;
    macroList->SetCurSel(macroList->AddItem(entry));
    ShowMacro(macroId);
}

// ---- Macro files ----

void MacroPage::ImportMacro() {
    const std::string path = chooser_->ChooseImportFile(Host().Dialog().View());
    if (path.empty()) {
        return;
    }
    std::string reason;
    const int macroId = ImportMacroFile(Host().Store(), path, reason);
    MacroHeader header;
    if (macroId <= 0 || !Host().Store().GetMacro(macroId, header)) {
        Host().ShowMessageText(26, GetText(kImportRefusedTextId) + "\n" + reason, kMessageBoxOk);
        return;
    }
    ListItem entry;
    entry.text = LocalizeName(header.name, Language());
    entry.data = macroId;
    macroList->AddItem(entry);
}

void MacroPage::ExportMacro() {
    const int position = macroList->GetCurSel();
    if (position < 0) {
        return;
    }
    const std::string folder = chooser_->ChooseExportFolder(Host().Dialog().View());
    if (folder.empty()) {
        return;
    }
    std::string reason;
    if (ExportMacroFile(Host().Store(), macroList->GetItemData(position),
                        macroList->GetItemText(position), folder, TickCount(), reason)
            .empty()) {
        Host().ShowMessageText(27, GetText(kExportFailedTextId) + "\n" + reason, kMessageBoxOk);
    }
}

// ---- Recording ----

void MacroPage::StartRecording() {
    const int macroId = SelectedMacro();
    if (macroId <= 0) {
        Host().ShowMessageBox(358, 387, kMessageBoxOk);
        return;
    }
    if (choices.pauseField->GetTitle().empty()) {
        choices.pauseField->SetTitle("10");
    }
    editor.Hide();
    capture_.StartRecording(ListOfPage().Items(),
                            static_cast<MacroRecorder::PauseMode>(choices.PauseMode()),
                            choices.FixedPause(), TickCount());
    recordButton->SetTitle(GetText(359));
    recordButton->SetIcon(kStopIcon);
    SetPageLocked(true);
    TellLimitationOnce();
}

void MacroPage::StopRecording() {
    const std::vector<MacroItem> items = capture_.StopRecording();
    macros_.SaveItems(SelectedMacro(), items);
    ShowItems(items, -1);
    recordButton->SetTitle(GetText(358));
    recordButton->SetIcon(kRecordIcon);
    SetPageLocked(false);
}

void MacroPage::SetPageLocked(bool locked) {
    Host().SetTabsEnabled(!locked);
    for (const auto& [control, design] : layout_) {
        if (control != recordButton) {
            control->SetEnabled(!locked);
        }
    }
    choices.SetLocked(locked);
    editor.SetLocked(locked);
}

bool MacroPage::PointerOnRecordButton(int x, int y) const {
    const MRect rect = recordButton->GetRect();
    int left = rect.left;
    int top = rect.top;
    Host().Dialog().ClientToScreen(left, top);
    return x >= left && x < left + rect.Width() && y >= top && y < top + rect.Height();
}

void MacroPage::OnRawInput(std::uintptr_t handle) {
    const InputCapture::Outcome outcome =
        capture_.OnRawInput(handle, [this](int x, int y) { return PointerOnRecordButton(x, y); });
    if (outcome.itemsAdded > 0) {
        const std::vector<MacroItem>& items = capture_.RecordedItems();
        for (size_t i = items.size() - static_cast<size_t>(outcome.itemsAdded); i < items.size();
             ++i) {
            itemList->AddItem(RowOfItem(items[i]));
        }
        // Selecting the last row scrolls it into view; no row stays selected while recording.
        itemList->SetCurSel(itemList->GetCount() - 1);
        itemList->SetCurSel(-1);
    }
    if (outcome.limitReached) {
        StopRecording();
    }
    if (outcome.keyCaptured) {
        editor.ShowCapturedKey(capture_.CapturedKeyNow().name);
    }
}

}  // namespace quillon
