// Writes pictures of the button page (in both languages) and of each kind of assignment dialog
// into $QUILLON_SCREENSHOT_DIR (default /tmp/quillon-button-page), for looking at the page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "input/FunctionCatalogue.h"
#include "ui/ButtonPageFixture.h"

namespace quillon {
namespace {

using test::ButtonPageFixture;

std::string Folder() {
    const QByteArray folder = qgetenv("QUILLON_SCREENSHOT_DIR");
    return folder.isEmpty() ? std::string("/tmp/quillon-button-page") : folder.toStdString();
}

void Save(QWidget* view, const std::string& name) {
    QApplication::processEvents();
    const std::string path = Folder() + "/" + name + ".png";
    EXPECT_TRUE(view->grab().save(QString::fromStdString(path))) << path;
}

class ButtonPageScreenshots : public ButtonPageFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Folder())));
        host.store.AddMacro("Custom 1");
        host.store.AddMacro("Custom 2");
        Store(2, kFnKey, 0x04, kModCtrl, "Ctrl + A");
        Store(4, kFnEmoji, 5, 0, "表情: 得意");
        Store(5, kFnMacro, 1, 0, "Custom 1");
        Store(7, kFnMultimedia, 6, 0, "175");
        host.Dialog().ShowWindow(kSwShowNormal);
    }
};

TEST_F(ButtonPageScreenshots, PageAndDialogs) {
    for (int language : {kLanguageEnglishUs, kLanguageChineseSimplified}) {
        SetCurrentLanguageId(language);
        page->ApplyTexts();
        Save(host.Dialog().View(), "page-" + std::to_string(language));
    }
    SetCurrentLanguageId(kLanguageEnglishUs);
    page->ApplyTexts();
    const std::pair<int, const char*> kinds[] = {
        {kFnKey, "keyboard"},  {kFnMacro, "macro"}, {kFnMultimedia, "media"},
        {kFnSystem, "system"}, {kFnEmoji, "emoji"},
    };
    for (const auto& [type, name] : kinds) {
        ScopedModalHandler handler([&, name = std::string(name)](MDialog& dialog) {
            Save(dialog.View(), "dialog-" + name);
            dialog.DoCancel();
        });
        MouseKeyConfigDlg dialog(host.store, host.activeProfile, type == kFnEmoji ? 4 : 2, type);
        dialog.Run(host.Dialog());
    }
}

}  // namespace
}  // namespace quillon
