#include "app/CloseNotice.h"

#include "platform/LanguageTable.h"
#include "platform/ProductKey.h"
#include "platform/Registry.h"
#include "ui/MessageBox.h"

namespace quillon {
namespace {

constexpr int kTitleText = 681;
constexpr int kMessageText = 682;

}  // namespace

bool CloseNotice::WindowClosing(MWindow& owner, bool trayShown) {
    if (trayShown || shown_) {
        return false;
    }
    shown_ = true;
    RegistryKey key(ProductKeyFile());
    if (key.Open() == RegistryKey::OpenResult::Opened && key.ReadString(kCloseNoticeValue)) {
        return false;
    }
    ShowMessageBox(&owner, GetText(kTitleText), GetText(kMessageText), kMessageBoxOk);
    if (key.Create()) {
        key.WriteString(kCloseNoticeValue, "1");
    }
    return true;
}

}  // namespace quillon
