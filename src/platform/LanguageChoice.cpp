#include "platform/LanguageChoice.h"

#include <atomic>

namespace quillon {
namespace {

std::atomic<int> g_languageId{1033};

}  // namespace

int CurrentLanguageId() {
    return g_languageId.load();
}

void SetCurrentLanguageId(int languageId) {
    g_languageId.store(languageId);
}

}  // namespace quillon
