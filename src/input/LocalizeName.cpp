#include "input/LocalizeName.h"

#include <array>
#include <vector>

namespace quillon {
namespace {

struct NameRule {
    int languageId;
    std::vector<std::string_view> customWords;  // in the order tried
    std::vector<std::string_view> copyWords;    // in the order tried
    std::string_view copySuffix;                // what follows the base name, blank included
};

const std::array<NameRule, 6>& NameRules() {
    static const std::array<NameRule, 6> rules = {{
        {2052,
         {"Custom", "自定義", "カスタム", "Пользоват", "Personalizado"},
         {"Copy", "複製", "Копировать", "Copiar"},
         " 复制"},
        {1033,
         {"自定义", "自定義", "カスタム", "Пользоват", "Personalizado"},
         {"复制", "複製", "Копировать", "Copiar"},
         " Copy"},
        {3082,
         {"Custom", "自定义", "自定義", "カスタム", "Пользоват"},
         {"复制", "Copy", "複製", "Копировать"},
         " Copiar"},
        {1028,
         {"自定义", "Custom", "カスタム", "Пользоват"},
         {"复制", "Copy", "Копировать"},
         " 複製"},
        {1041, {"自定义", "Custom", "自定義", "Пользоват"}, {}, ""},
        {1049, {"自定义", "Custom", "自定義"}, {"复制", "Copy"}, " Копировать"},
    }};
    return rules;
}

const NameRule* FindRule(int languageId) {
    for (const NameRule& rule : NameRules()) {
        if (rule.languageId == languageId) {
            return &rule;
        }
    }
    return nullptr;
}

}  // namespace

std::string LocalizeName(std::string_view name, const LanguageContext& language) {
    std::string text(name);
    const NameRule* rule = FindRule(language.languageId);
    if (rule == nullptr) {
        return text;
    }
    // Without the current language's word the stored word is the better name.
    const std::string custom = language.Text(kCustomWordTextId);
    for (std::string_view word : rule->customWords) {
        if (text.starts_with(word)) {
            if (!custom.empty()) {
                text = custom + text.substr(word.size());
            }
            break;
        }
    }
    for (std::string_view word : rule->copyWords) {
        if (text.ends_with(word)) {
            // The word the text ends with, not an earlier occurrence of it, is the suffix.
            std::string base = text.substr(0, text.size() - word.size());
            if (!base.empty() && base.back() == ' ') {
                base.pop_back();
            }
            text = base + std::string(rule->copySuffix);
            break;
        }
    }
    return text;
}

}  // namespace quillon
