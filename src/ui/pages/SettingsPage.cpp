#include "ui/pages/SettingsPage.h"

#include <QProcess>
#include <QStringList>
#include <utility>

#include "platform/Autostart.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/MouseSettingsPanel.h"
#include "platform/Paths.h"
#include "ui/pages/SettingsPageIds.h"
#include "ui/toolkit/CRoundArea.h"
#include "ui/toolkit/CSwitchButton.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MText.h"

namespace quillon {

using namespace settings_ids;

namespace {

constexpr std::uint32_t kPageColor = 0xE60F161E;
constexpr std::uint32_t kCardColor = 0xE61F2C37;

}  // namespace

std::vector<IdRange> SettingsPage::Ids() const {
    return {{kAutostartSwitch, kAutostartSwitch}, {kPanelButton, kPanelButton}};
}

void SettingsPage::Build(MControl& area) {
    Host().Dialog().AllowSharedId(kCard);
    background_ = Card(kBackground, area, kPageColor);
    Text(kTitle, area, kTitleText, 18);

    cards_[0] = Card(kCard, area, kCardColor);
    Text(kFirmwareLabel, area, kFirmwareText);
    Text(kSoftwareLabel, area, kSoftwareText);
    firmware_ = Text(kFirmwareVersion, area);
    firmware_->SetTitle("0.0.0");
    software_ = Text(kSoftwareVersion, area);

    cards_[1] = Card(kCard, area, kCardColor);
    Text(kAutostartLabel, area, kAutostartText);
    autostart_ = Create<CSwitchButton>(kAutostartSwitch, area);
    autostart_->SetSwitchImages("img_switch_btn_on.png", "img_switch_btn_off.png", 4);
    autostart_->SetCheck(IsAutostartEnabled());

    cards_[2] = Card(kCard, area, kCardColor);
    Text(kLanguageLabel, area, kLanguageText);
    auto* language = Create<MComboBox>(kLanguageBox, area);
    language->SetImage("img_combobox.png", 4);
    language->SetTextColor(kColorText);
    // The languages name themselves, in every language.
    language->AddItem("简体中文", kLanguageChineseSimplified);
    language->AddItem("English", kLanguageEnglishUs);
    language->SelectData(CurrentLanguageId());

    cards_[3] = Card(kCard, area, kCardColor);
    Text(kResetLabel, area, kResetLabelText);
    // Both buttons keep the button's own light text: the text colour of the labels reads poorly
    // on the button's accent fill.
    Button(kResetButton, area, kResetButtonText);
    Text(kPanelLabel, area, kPanelLabelText, 14);
    Button(kPanelButton, area, kPanelButtonText);
}

void SettingsPage::Place(int width, int height, float) {
    // The labels' column is wider in English.
    const bool chinese = CurrentLanguageId() == kLanguageChineseSimplified;
    const int l = chinese ? 260 : 320;
    const int v = chinese ? 410 : 470;
    const int s = chinese ? 312 : 372;
    const int w = width;
    background_->SetRect({20, 120, w - 20, height - 60});
    cards_[0]->SetRect({40, 170, w - 40, 330});
    cards_[1]->SetRect({40, 340, w - 40, 420});
    cards_[2]->SetRect({40, 430, w - 40, 510});
    cards_[3]->SetRect({40, 520, w - 40, 700});
    const std::pair<int, MRect> placed[] = {
        {kTitle, {40, 130, 280, 160}},        {kFirmwareLabel, {60, 210, l, 250}},
        {kSoftwareLabel, {60, 250, l, 290}},  {kFirmwareVersion, {l, 210, v, 250}},
        {kSoftwareVersion, {l, 250, v, 290}}, {kAutostartLabel, {60, 362, l, 398}},
        {kAutostartSwitch, {l, 362, s, 398}}, {kLanguageLabel, {60, 450, l, 492}},
        {kLanguageBox, {l, 450, v, 492}},     {kResetLabel, {60, 567, l, 603}},
        {kResetButton, {l, 567, v, 603}},     {kPanelLabel, {60, 622, l, 658}},
        {kPanelButton, {l, 622, v, 658}},
    };
    for (const auto& [id, rect] : placed) {
        controls_.at(id)->SetRect(rect);
    }
}

int SettingsPage::OnMessage(int controlId, int event, std::intptr_t) {
    if (event != kEventClick) {
        return 0;
    }
    if (controlId == kAutostartSwitch) {
        ToggleAutostart();
        return 1;
    }
    if (controlId == kPanelButton) {
        OpenMousePanel();
        return 1;
    }
    return 0;
}

void SettingsPage::SetFirmwareText(const std::string& text) {
    firmware_->SetTitle(text);
}

void SettingsPage::SetSoftwareVersion(const std::string& version) {
    software_->SetTitle(version);
}

template <class T>
T* SettingsPage::Create(int id, MControl& area) {
    T* control = Host().Dialog().CreateControl<T>(id, {}, {}, &area);
    controls_[id] = control;
    return control;
}

MText* SettingsPage::Text(int id, MControl& area, int textId, int fontWidth) {
    auto* text = Create<MText>(id, area);
    if (fontWidth > 0) {
        text->SetFontWidth(fontWidth);
    }
    if (textId > 0) {
        BindTitle(*text, textId);
    }
    return text;
}

CRoundArea* SettingsPage::Card(int id, MControl& area, std::uint32_t color) {
    auto* card = Host().Dialog().CreateControl<CRoundArea>(id, {}, {}, &area);
    card->SetColor(color);
    return card;
}

MButton* SettingsPage::Button(int id, MControl& area, int textId) {
    auto* button = Create<MButton>(id, area);
    button->SetImage("img_button.png", 4);
    button->SetFontWidth(14);
    BindTitle(*button, textId);
    return button;
}

void SettingsPage::ToggleAutostart() {
    // The click has moved the switch; the entry follows it. When the entry cannot be written or
    // removed, the switch goes back to what the desktop will really do at logon.
    if (autostart_->GetCheck()) {
        EnableAutostart(ExecutablePath());
    } else {
        DisableAutostart();
    }
    autostart_->SetCheck(IsAutostartEnabled());
}

void SettingsPage::OpenMousePanel() {
    const std::vector<std::string> command = FindMouseSettingsPanel();
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i) {
        arguments << QString::fromStdString(command[i]);
    }
    if (command.empty() ||
        !QProcess::startDetached(QString::fromStdString(command.front()), arguments)) {
        Host().ShowMessageLine(GetText(kNoPanelText));
    }
}

}  // namespace quillon
