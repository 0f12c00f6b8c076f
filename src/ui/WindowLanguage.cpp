#include "ui/WindowLanguage.h"

#include "platform/LanguageChoice.h"
#include "platform/LanguageTable.h"

namespace quillon {

LanguageContext WindowLanguage() {
    return {CurrentLanguageId(), [](int textId) { return GetText(textId); }};
}

}  // namespace quillon
