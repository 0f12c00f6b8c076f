#include "ui/pages/Page.h"

#include "platform/LanguageTable.h"
#include "ui/toolkit/MComboBox.h"
#include "ui/toolkit/MControl.h"

namespace quillon {

void Page::ApplyTexts() {
    for (const Binding& binding : bindings_) {
        Apply(binding);
    }
    ApplyOwnTexts();
}

void Page::BindTitle(MControl& control, int textId) {
    bindings_.push_back({&control, Slot::Title, 0, textId});
    Apply(bindings_.back());
}

void Page::BindTooltip(MControl& control, int textId) {
    bindings_.push_back({&control, Slot::Tooltip, 0, textId});
    Apply(bindings_.back());
}

void Page::BindItemText(MComboBox& box, int index, int textId) {
    bindings_.push_back({&box, Slot::Item, index, textId});
    Apply(bindings_.back());
}

void Page::Apply(const Binding& binding) const {
    const std::string text = GetText(binding.textId);
    switch (binding.slot) {
        case Slot::Title:
            binding.control->SetTitle(text);
            break;
        case Slot::Tooltip:
            binding.control->SetTooltip(text);
            break;
        case Slot::Item:
            static_cast<MComboBox*>(binding.control)->SetItemText(binding.index, text);
            break;
    }
}

}  // namespace quillon
