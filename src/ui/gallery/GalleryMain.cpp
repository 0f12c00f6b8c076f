// quillon-gallery: one window with every kind of control in the toolkit's skin, for checking the
// look. With --screenshot FOLDER it writes gallery.png, messagebox.png and waitdlg.png there and
// exits; --lang 2052 shows the Chinese texts.
#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"
#include "platform/Paths.h"
#include "ui/MessageBox.h"
#include "ui/WaitDlg.h"
#include "ui/toolkit/BatteryCtrl.h"
#include "ui/toolkit/CArea.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/CDeviceState.h"
#include "ui/toolkit/CGifPicture.h"
#include "ui/toolkit/CHelpButton.h"
#include "ui/toolkit/CIconButton.h"
#include "ui/toolkit/CImageButton.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/CRecordList.h"
#include "ui/toolkit/CRoundArea.h"
#include "ui/toolkit/CSwitchButton.h"
#include "ui/toolkit/CTextButton.h"
#include "ui/toolkit/ColorButtonEx.h"
#include "ui/toolkit/DPIControl.h"
#include "ui/toolkit/DPISlider.h"
#include "ui/toolkit/EmojiControl.h"
#include "ui/toolkit/MButton.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MPicture.h"
#include "ui/toolkit/MSlider.h"
#include "ui/toolkit/MTabCtrl.h"
#include "ui/toolkit/MTabLayout.h"
#include "ui/toolkit/MText.h"
#include "ui/toolkit/MacroList.h"
#include "ui/toolkit/Manager.h"
#include "ui/toolkit/ModalHooks.h"
#include "ui/toolkit/MouseCtrl.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {
namespace {

constexpr int kWidth = 1121;
constexpr int kHeight = 780;

class GalleryDlg : public MDialog {
  public:
    void InitUI(int, int, int right, int bottom) override {
        int w = right;
        int h = bottom;
        CreateControl<MPicture>(30, {0, 0, w, h}, "background.png");
        auto* close = CreateControl<CImageButton>(36, {w - 50, 10, w - 30, 30}, "sysbtn_close.png");
        close->SetTooltip(GetText(5));
        auto* minimize =
            CreateControl<CImageButton>(37, {w - 86, 10, w - 66, 30}, "sysbtn_min.png");
        minimize->SetTooltip(GetText(6));

        auto* tabs = CreateControl<MTabCtrl>(45, {20, 40, 380, 100});
        const int pageIds[] = {51, 46, 47, 48, 50};
        const int itemIds[] = {1, 2, 3, 4, 6};
        const int textIds[] = {71, 72, 73, 74, 76};
        const char* icons[] = {"icon\\tab_home.png", "icon\\tab_key.png", "icon\\tab_dpi.png",
                               "icon\\tab_macro.png", "icon\\tab_set.png"};
        MTabLayout* pages[5] = {};
        for (int i = 0; i < 5; ++i) {
            pages[i] = CreateControl<MTabLayout>(pageIds[i], {1, 110, w - 1, h - 50});
            tabs->InsertItem(itemIds[i], GetText(textIds[i]), icons[i], pages[i]);
        }
        tabs->SetTabCtrlWidth(60);
        tabs->SetTabCtrlHeight(60);
        tabs->SetLeftRightPading(0, 60);
        tabs->SetTopBottomPading(0, 360);
        tabs->SetItemWidth(60, 60, 1);
        tabs->SetItemHeight(60, 60, 1);
        tabs->SetCurSel(0);
        BuildPerformanceCard(pages[0]);
        BuildInputCard(pages[0]);
        BuildMouseCard(pages[0]);
        BuildMacroCard(pages[0]);

        auto* battery =
            CreateControl<BatteryCtrl>(40, {21, h - 40, 86, h - 12}, "icon\\icon_battery_bkg.png");
        battery->SetTextColor(0xFF3E556D);
        battery->SetBatteryInfo(76, 1);
        auto* status = CreateControl<CDeviceState>(41, {91, h - 40, 191, h - 13}, "img_state.png");
        status->SetFont("Open Sans Semibold", 14);
        status->SetTitle(GetText(51));
        auto* link = CreateControl<CTextButton>(44, {w - 220, h - 40, w, h - 10});
        link->SetTitle("www.quillon-mouse.example");
        SetMessage(GetText(56), {400, 40, 1000, 100}, 14);
    }

  private:
    MText* Label(int id, const MRect& rect, int textId, MControl* parent, int size = 14) {
        auto* text = CreateControl<MText>(id, rect, {}, parent);
        text->SetFontWidth(size);
        text->SetTitle(GetText(textId));
        return text;
    }

    void BuildPerformanceCard(MControl* page) {
        auto* card = CreateControl<CRoundArea>(110, {20, 120, 550, 420}, {}, page);
        card->SetFontWidth(16);
        card->SetTitle(GetText(171));
        const int values[] = {800, 1200, 1600, 2400, 3200, 6400};
        const std::uint32_t colors[] = {255, 16711680, 65280, 65535, 16776960, 8388736};
        for (int i = 0; i < 6; ++i) {
            auto* stage =
                CreateControl<DPIControl>(101 + i, {40 + i * 82, 155, 115 + i * 82, 215}, {}, page);
            stage->SetGroupName("MOUSE_DPICTRL");
            stage->SetTitle(GetText(261) + std::to_string(i + 1));
            stage->SetValue(values[i]);
            stage->SetColor(colors[i]);
        }
        GetControl<DPIControl>(103)->SetCheck(true);
        auto* help = CreateControl<CHelpButton>(97, {510, 130, 530, 150}, {}, page);
        help->SetTooltip(GetText(252));
        auto* slider = CreateControl<DPISlider>(107, {40, 225, 530, 275}, "img_dpi_bar.png", page);
        slider->SetProgress(16);
        const char* rates[] = {"125Hz", "250Hz", "500Hz", "1000Hz"};
        for (int i = 0; i < 4; ++i) {
            auto* rate = CreateControl<ColorButtonEx>(
                114 + i, {40 + i * 92, 290, 122 + i * 92, 320}, {}, page);
            rate->SetGroupName("REPORTRATE");
            rate->SetTitle(rates[i]);
        }
        GetControl<ColorButtonEx>(117)->SetCheck(true);
        const int sensors[] = {585, 586, 587};
        for (int i = 0; i < 3; ++i) {
            auto* sensor = CreateControl<CCheckButton>(135, {40 + i * 165, 340, 195 + i * 165, 362},
                                                       "btn_checkbox.png", page);
            sensor->SetTitle(GetText(sensors[i]));
            sensor->SetCheck(i == 2);
        }
        for (int i = 0; i < 2; ++i) {
            auto* radio = CreateControl<CRadioButton>(
                141 + i, {40 + i * 165, 378, 195 + i * 165, 400}, {}, page);
            radio->SetGroupName("IDC_SYS_STC_SROLL");
            radio->SetTitle(GetText(601 + i));
            radio->SetCheck(i == 0);
        }
    }

    void BuildInputCard(MControl* page) {
        auto* card = CreateControl<CRoundArea>(110, {20, 430, 550, 720}, {}, page);
        card->SetFontWidth(16);
        card->SetTitle(GetText(610));
        auto* sleep = CreateControl<MComboBox>(126, {40, 470, 260, 502}, "img_combobox.png", page);
        for (int minutes : {1, 3, 5, 10, 20, 30}) {
            sleep->AddItem(std::to_string(minutes) + " " + GetText(611), minutes);
        }
        sleep->SelectData(5);
        auto* key = CreateControl<MEdit>(35, {280, 470, 530, 502}, "img_edit.png", page);
        key->SetHint(GetText(385));
        auto* response = CreateControl<NumberEdit>(85, {40, 520, 140, 552}, {}, page);
        response->SetRange(0, 20);
        response->SetValue(8);
        Label(84, {150, 520, 310, 552}, 111, page);
        Label(271, {320, 515, 470, 557}, 654, page);
        auto* autostart = CreateControl<CSwitchButton>(272, {480, 524, 530, 548}, {}, page);
        autostart->SetCheck(true);
        auto* apply = CreateControl<MButton>(88, {40, 562, 180, 598}, "img_button.png", page);
        apply->SetTitle(GetText(22));
        auto* read = CreateControl<MButton>(89, {190, 562, 350, 598}, "img_button.png", page);
        read->SetTitle(GetText(21));
        read->SetEnabled(false);
        auto* record = CreateControl<CIconButton>(177, {40, 615, 180, 651}, {}, page);
        record->SetIcon("icon\\icon_rec.png");
        record->SetTitle(GetText(358));
        auto* reset = CreateControl<CImageButton>(98, {190, 620, 216, 646}, "btn_reset.png", page);
        reset->SetTooltip(GetText(253));
        CreateControl<CImageButton>(108, {226, 620, 252, 646}, "img_btn_addvalue.png", page);
        CreateControl<CImageButton>(109, {262, 620, 288, 646}, "img_btn_subtract.png", page);
        auto* slider = CreateControl<MSlider>(300, {40, 670, 290, 690}, {}, page);
        slider->SetProgress(40);
        auto* frame = CreateControl<CArea>(161, {310, 612, 420, 705}, {}, page);
        frame->SetTitle(GetText(392));
        auto* loading = CreateControl<CGifPicture>(30, {440, 612, 530, 702}, "loading.gif", page);
        loading->SetRunState(1, 0);
        loading->AddMTimer();
    }

    void BuildMouseCard(MControl* page) {
        auto* card = CreateControl<CRoundArea>(83, {560, 120, 1101, 420}, {}, page);
        card->SetFontWidth(16);
        card->SetTitle(GetText(101));
        auto* mouse = CreateControl<MouseCtrl>(87, {580, 150, 1081, 410}, "img_key_bkg.png", page);
        const int anchors[] = {1, 3, 2, 5, 4, 7, 8};
        const int sides[] = {0, 1, 1, 0, 0, 1, 1};
        const int texts[] = {121, 122, 123, 124, 125, 127, 128};
        for (int i = 0; i < 7; ++i) {
            mouse->AddItem(GetText(texts[i]), anchors[i], sides[i]);
        }
        mouse->SetSelectItem(0);
    }

    void BuildMacroCard(MControl* page) {
        auto* card = CreateControl<CRoundArea>(157, {560, 430, 1101, 720}, {}, page);
        card->SetFontWidth(16);
        card->SetTitle(GetText(350));
        Label(160, {580, 462, 780, 490}, 352, page);
        auto* macros = CreateControl<MacroList>(162, {580, 492, 780, 705}, {}, page);
        macros->SetMoreImage("btn_more.png");
        for (int i = 1; i <= 4; ++i) {
            macros->AddString(GetText(351) + " " + std::to_string(i));
            macros->SetItemData(i - 1, i);
        }
        macros->SetCurSel(1);
        Label(167, {800, 462, 1080, 490}, 355, page);
        auto* steps = CreateControl<CRecordList>(173, {800, 492, 1080, 620}, {}, page);
        steps->SetItemIcon("icon\\icon_record.png");
        const char* texts[] = {"\xE2\x86\x93  A", "\xE2\x86\x91  A", "10 ms", "\xE2\x86\x93  LB"};
        const int types[] = {2, 3, 1, 4};
        for (int i = 0; i < 4; ++i) {
            ListItem item;
            item.text = texts[i];
            item.type = types[i];
            steps->AddItem(item);
        }
        steps->SetCurSel(2);
        auto* emoji = CreateControl<EmojiControl>(40, {800, 630, 1080, 702}, {}, page);
        for (int n = 1; n <= 20; ++n) {
            char picture[40];
            std::snprintf(picture, sizeof picture, "Emoji\\wechat_emoji_%02d.png", n - 1);
            emoji->AddItem(n, picture, "emoji " + std::to_string(n));
        }
        emoji->SetCurSel(3);
    }
};

bool Save(QWidget* view, const std::string& path) {
    QApplication::processEvents();
    bool saved = view->grab().save(QString::fromStdString(path));
    std::cout << (saved ? "wrote " : "could not write ") << path << "\n";
    return saved;
}

}  // namespace
}  // namespace quillon

namespace {

constexpr const char* kUsage =
    "Usage: quillon-gallery [--lang 1033|2052] [--screenshot DIR]\n"
    "Shows every control of the toolkit in one window, in the chosen language.\n"
    "  --lang ID          language of the texts (1033 English, 2052 Chinese; default 1033)\n"
    "  --screenshot DIR   write gallery.png, messagebox.png and waitdlg.png into DIR and exit\n"
    "                     (works without a display with QT_QPA_PLATFORM=offscreen)\n";

// Qt aborts the process when it finds no display; say so in one line instead.
bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return true;  // the platform chosen knows what it needs
    }
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillon;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return 0;
        }
    }
    if (!HasDisplay()) {
        std::cerr << "quillon-gallery: no display (DISPLAY and WAYLAND_DISPLAY are unset); "
                     "use QT_QPA_PLATFORM=offscreen with --screenshot DIR\n";
        return 1;
    }
    QApplication app(argc, argv);
    std::string folder;
    int language = 1033;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--screenshot") == 0) {
            folder = WithTrailingSlash(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--lang") == 0) {
            language = std::atoi(argv[i + 1]);
        }
    }
    SetCurrentLanguageId(language);
    Manager::SetInstance(ResourceFolder());
    Manager::SetFontName("Open Sans Semibold");

    GalleryDlg gallery;
    gallery.Create(nullptr, "Quillon Mouse gallery", kWsPopup | kWsVisible, 0,
                   {100, 60, 100 + kWidth, 60 + kHeight});
    gallery.EnableWndDrag(true);
    if (folder.empty()) {
        gallery.CenterWindow(nullptr);
        return gallery.ShowModal(kSwShowNormal) == kIdOk ? 0 : 0;
    }
    bool ok = Save(gallery.View(), folder + "gallery.png");
    ScopedModalHandler capture([&](MDialog& dialog) {
        ok = Save(dialog.View(), folder + (dialog.GetControl(WaitDlg::kPictureId) != nullptr
                                               ? "waitdlg.png"
                                               : "messagebox.png")) &&
             ok;
        dialog.DoCancel();
    });
    ShowMessageBox(&gallery, GetText(201), GetText(200), kMessageBoxConfirm);
    WaitDlg wait;
    ShowWaitDialog(wait, &gallery);
    return ok ? 0 : 1;
}
