#include "ui/pages/PageHost.h"

#include "platform/LanguageTable.h"
#include "ui/MessageBox.h"
#include "ui/toolkit/MDialog.h"

namespace quillon {

int PageHost::ShowMessageText(int titleId, const std::string& text, int style) {
    return quillon::ShowMessageBox(&Dialog(), GetText(titleId), text, style);
}

}  // namespace quillon
