#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "platform/Autostart.h"
#include "platform/DesktopExec.h"
#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/Paths.h"
#include "support/PageTestHost.h"
#include "support/QtInput.h"
#include "support/TempDir.h"
#include "ui/pages/SettingsPage.h"
#include "ui/pages/SettingsPageIds.h"
#include "ui/toolkit/CSwitchButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/SkinPainter.h"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using namespace settings_ids;

// The page in a one-page window, in a language, with the user's folders in a temporary home.
class SettingsPageTest : public ::testing::Test {
  protected:
    ~SettingsPageTest() override { SetCurrentLanguageId(kLanguageEnglishUs); }

    SettingsPage& Install(int languageId) {
        SetCurrentLanguageId(languageId);
        return static_cast<SettingsPage&>(host_.Install(std::make_unique<SettingsPage>(host_)));
    }
    MControl& Control(int id) { return *host_.Dialog().GetControl(id); }
    std::vector<MControl*> Cards() {
        std::vector<MControl*> cards;
        for (MControl* control : host_.Dialog().GetControls()) {
            if (control->GetID() == kCard) {
                cards.push_back(control);
            }
        }
        return cards;
    }
    // What a click on the switch does: it moves, then the window hears of it.
    int ClickSwitch() {
        auto& button = static_cast<CSwitchButton&>(Control(kAutostartSwitch));
        button.SetCheck(!button.GetCheck());
        return host_.Click(kAutostartSwitch);
    }

    test::IsolatedHome home_;
    test::PageTestHost host_;
};

TEST_F(SettingsPageTest, ControlsAreCreatedInOrderWithTheirContent) {
    Install(kLanguageEnglishUs);
    std::vector<std::pair<int, std::string>> created;
    host_.Dialog().ForEachChild(&host_.Area(), [&](MControl& control) {
        created.emplace_back(control.GetID(), control.GetClassName());
    });
    const std::vector<std::pair<int, std::string>> expected = {
        {238, "CRoundArea"}, {240, "MText"},         {110, "CRoundArea"}, {264, "MText"},
        {266, "MText"},      {267, "MText"},         {269, "MText"},      {110, "CRoundArea"},
        {271, "MText"},      {272, "CSwitchButton"}, {110, "CRoundArea"}, {274, "MText"},
        {275, "MComboBox"},  {110, "CRoundArea"},    {277, "MText"},      {278, "MButton"},
        {282, "MText"},      {283, "MButton"},
    };
    EXPECT_EQ(created, expected);

    const std::map<int, int> texts = {{240, 650}, {264, 651}, {266, 653}, {271, 654}, {274, 657},
                                      {277, 658}, {278, 659}, {282, 630}, {283, 641}};
    for (const auto& [id, textId] : texts) {
        EXPECT_FALSE(GetText(textId).empty()) << textId;
        EXPECT_EQ(Control(id).GetTitle(), GetText(textId)) << id;
    }
    // Before any device read and before the catalogue load.
    EXPECT_EQ(Control(kFirmwareVersion).GetTitle(), "0.0.0");
    EXPECT_EQ(Control(kSoftwareVersion).GetTitle(), "");
    EXPECT_TRUE(host_.Dialog().IdClashes().empty());
}

TEST_F(SettingsPageTest, ColumnsFollowTheLanguageAtEachPlacement) {
    struct Columns {
        int language;
        int l;
        int v;
        int s;
    };
    auto& page = Install(kLanguageChineseSimplified);
    for (const Columns& c : {Columns{kLanguageChineseSimplified, 260, 410, 312},
                             Columns{kLanguageEnglishUs, 320, 470, 372},
                             Columns{kLanguageChineseSimplified, 260, 410, 312}}) {
        SetCurrentLanguageId(c.language);
        page.Place(1121, 780, 1.0f);
        const std::map<int, MRect> expected = {
            {240, {40, 130, 280, 160}},  {264, {60, 210, c.l, 250}},  {266, {60, 250, c.l, 290}},
            {267, {c.l, 210, c.v, 250}}, {269, {c.l, 250, c.v, 290}}, {271, {60, 362, c.l, 398}},
            {272, {c.l, 362, c.s, 398}}, {274, {60, 450, c.l, 492}},  {275, {c.l, 450, c.v, 492}},
            {277, {60, 567, c.l, 603}},  {278, {c.l, 567, c.v, 603}}, {282, {60, 622, c.l, 658}},
            {283, {c.l, 622, c.v, 658}},
        };
        for (const auto& [id, rect] : expected) {
            EXPECT_EQ(Control(id).GetRect(), rect) << id << " in " << c.language;
        }
    }
}

TEST_F(SettingsPageTest, BackgroundAndCardsSpanTheWindow) {
    Install(kLanguageEnglishUs);
    for (const auto& [w, h] : {std::pair{1121, 780}, std::pair{1400, 900}}) {
        host_.Resize(w, h);
        EXPECT_EQ(Control(kBackground).GetRect(), (MRect{20, 120, w - 20, h - 60}));
        const std::vector<MRect> cards = {{40, 170, w - 40, 330},
                                          {40, 340, w - 40, 420},
                                          {40, 430, w - 40, 510},
                                          {40, 520, w - 40, 700}};
        ASSERT_EQ(Cards().size(), cards.size());
        for (size_t i = 0; i < cards.size(); ++i) {
            EXPECT_EQ(Cards()[i]->GetRect(), cards[i]) << "card " << i + 1 << " at " << w;
        }
    }
}

TEST_F(SettingsPageTest, LanguageBoxShowsTheCurrentLanguage) {
    for (const auto& [language, shown] : {std::pair{kLanguageChineseSimplified, "简体中文"},
                                          std::pair{kLanguageEnglishUs, "English"}}) {
        test::PageTestHost host;
        SetCurrentLanguageId(language);
        host.Install(std::make_unique<SettingsPage>(host));
        auto& box = *host.Dialog().GetControl<MComboBox>(kLanguageBox);
        ASSERT_EQ(box.GetCount(), 2);
        EXPECT_EQ(box.GetItemText(0), "简体中文");
        EXPECT_EQ(box.GetItemData(0), 2052);
        EXPECT_EQ(box.GetItemText(1), "English");
        EXPECT_EQ(box.GetItemData(1), 1033);
        EXPECT_EQ(box.GetItemText(box.GetCurSel()), shown);
    }
}

TEST_F(SettingsPageTest, LanguageBoxAndFactoryResetAreTheWindowsNotThePages) {
    Install(kLanguageEnglishUs);
    for (int id : {kLanguageBox, kResetButton}) {
        EXPECT_EQ(host_.Click(id), 0) << id;
    }
    EXPECT_TRUE(host_.posted.empty());
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_TRUE(host_.tasks.empty());
    EXPECT_TRUE(host_.waitTasks.empty());
}

TEST_F(SettingsPageTest, SwitchShowsTheAutostartEntryAtBuild) {
    for (bool present : {false, true}) {
        if (present) {
            ASSERT_TRUE(EnableAutostart("/usr/bin/quillon-mouse"));
        }
        test::PageTestHost host;
        host.Install(std::make_unique<SettingsPage>(host));
        EXPECT_EQ(host.Dialog().GetControl<CSwitchButton>(kAutostartSwitch)->GetCheck(), present);
    }
}

TEST_F(SettingsPageTest, SwitchWritesAndRemovesTheEntryForThisProgram) {
    Install(kLanguageEnglishUs);
    EXPECT_EQ(ClickSwitch(), 1);
    std::ifstream entry(AutostartEntryPath());
    std::string line;
    std::vector<std::string> exec;
    while (std::getline(entry, line)) {
        if (line.rfind("Exec=", 0) == 0) {
            exec = ParseDesktopExec(line.substr(5)).value_or(exec);
        }
    }
    EXPECT_EQ(exec, (std::vector<std::string>{ExecutablePath(), "-hide"}));

    EXPECT_EQ(ClickSwitch(), 1);
    EXPECT_FALSE(fs::exists(AutostartEntryPath()));
    EXPECT_FALSE(static_cast<CSwitchButton&>(Control(kAutostartSwitch)).GetCheck());
}

TEST_F(SettingsPageTest, SwitchGoesBackWhenTheEntryCannotBeWritten) {
    Install(kLanguageEnglishUs);
    // A file where the autostart folder belongs.
    std::ofstream(home_.root().file("config/autostart")) << "x";
    EXPECT_EQ(ClickSwitch(), 1);
    EXPECT_FALSE(static_cast<CSwitchButton&>(Control(kAutostartSwitch)).GetCheck());
}

TEST_F(SettingsPageTest, VersionsWrittenFromTheWorkerAreShown) {
    auto& page = Install(kLanguageEnglishUs);
    std::thread worker([&] { page.SetFirmwareText("1.2.7"); });
    worker.join();
    page.SetSoftwareVersion("V1.0.3");
    EXPECT_EQ(Control(kFirmwareVersion).GetTitle(), "1.2.7");
    EXPECT_EQ(Control(kSoftwareVersion).GetTitle(), "V1.0.3");
}

// PATH and XDG_CURRENT_DESKTOP for the life of the object.
class ScopedSearchPath {
  public:
    explicit ScopedSearchPath(const std::string& path)
        : path_(Get("PATH")), desktop_(Get("XDG_CURRENT_DESKTOP")) {
        setenv("PATH", path.c_str(), 1);
        setenv("XDG_CURRENT_DESKTOP", "GNOME", 1);
    }
    ~ScopedSearchPath() {
        Restore("PATH", path_);
        Restore("XDG_CURRENT_DESKTOP", desktop_);
    }

  private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Restore(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::optional<std::string> path_;
    std::optional<std::string> desktop_;
};

TEST_F(SettingsPageTest, PanelLinkOpensTheDesktopsMouseSettings) {
    Install(kLanguageEnglishUs);
    test::TempDir bin;
    const std::string record = bin.file("arguments");
    bin.write("gnome-control-center", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + "'\n");
    fs::permissions(bin.file("gnome-control-center"), fs::perms::owner_all);
    {
        ScopedSearchPath path(bin.path());
        EXPECT_EQ(host_.Click(kPanelButton), 1);
    }
    EXPECT_TRUE(
        test::WaitUntil([&] { return fs::exists(record) && !bin.read("arguments").empty(); }));
    EXPECT_EQ(bin.read("arguments"), "mouse\n");
    EXPECT_EQ(host_.messageLine, "");
}

TEST_F(SettingsPageTest, PanelLinkWithoutAPanelSaysSoInTheMessageLine) {
    Install(kLanguageEnglishUs);
    test::TempDir empty;
    ScopedSearchPath path(empty.path());
    EXPECT_EQ(host_.Click(kPanelButton), 1);
    EXPECT_FALSE(host_.messageLine.empty());
    EXPECT_EQ(host_.messageLine, GetText(kNoPanelText));
}

// Every label, value and button text fits its rectangle on one line, in both languages; with
// QUILLON_SCREENSHOT_DIR set, the page is also saved there as settings-<language>.png.
TEST_F(SettingsPageTest, TextsFitTheirPlaces) {
    for (int language : {kLanguageChineseSimplified, kLanguageEnglishUs}) {
        test::PageTestHost host;
        SetCurrentLanguageId(language);
        auto& page = host.Install(std::make_unique<SettingsPage>(host));
        page.SetFirmwareText("1.2.7");
        page.SetSoftwareVersion("V1.0.3");
        for (int id : {240, 264, 266, 267, 269, 271, 274, 277, 278, 282, 283}) {
            MControl& control = *host.Dialog().GetControl(id);
            const int size = id == kTitle ? 18 : 14;
            const QFontMetrics metrics(skin::Font(Manager::FontName(), size));
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(control.GetTitle())),
                      control.GetRect().Width())
                << id << " in " << language << ": " << control.GetTitle();
        }
        if (const char* folder = std::getenv("QUILLON_SCREENSHOT_DIR")) {
            QWidget* view = host.Dialog().View();
            view->show();
            test::ProcessEvents();
            const std::string file =
                std::string(folder) + "/settings-" + std::to_string(language) + ".png";
            EXPECT_TRUE(view->grab().save(QString::fromStdString(file))) << file;
        }
    }
}

}  // namespace
}  // namespace quillon
