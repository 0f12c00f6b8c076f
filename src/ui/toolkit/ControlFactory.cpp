#include "ui/toolkit/ControlFactory.h"

#include <utility>

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
#include "ui/toolkit/MouseCtrl.h"
#include "ui/toolkit/NumberEdit.h"

namespace quillon {
namespace {

using Maker = std::unique_ptr<MControl> (*)();

template <class T>
std::pair<std::string_view, Maker> Entry() {
    return {T::kClassName, [] { return std::unique_ptr<MControl>(std::make_unique<T>()); }};
}

const std::vector<std::pair<std::string_view, Maker>>& Makers() {
    static const std::vector<std::pair<std::string_view, Maker>> makers = {
        Entry<MText>(),        Entry<MButton>(),       Entry<CImageButton>(),
        Entry<CTextButton>(),  Entry<CIconButton>(),   Entry<CHelpButton>(),
        Entry<MPicture>(),     Entry<CGifPicture>(),   Entry<CRoundArea>(),
        Entry<CArea>(),        Entry<MComboBox>(),     Entry<CCheckButton>(),
        Entry<CRadioButton>(), Entry<CSwitchButton>(), Entry<ColorButtonEx>(),
        Entry<MSlider>(),      Entry<DPISlider>(),     Entry<DPIControl>(),
        Entry<MEdit>(),        Entry<NumberEdit>(),    Entry<MTabCtrl>(),
        Entry<MTabLayout>(),   Entry<BatteryCtrl>(),   Entry<CDeviceState>(),
        Entry<MouseCtrl>(),    Entry<EmojiControl>(),  Entry<MacroList>(),
        Entry<CRecordList>(),
    };
    return makers;
}

}  // namespace

std::unique_ptr<MControl> MakeControl(std::string_view className) {
    for (const auto& [name, make] : Makers()) {
        if (name == className) {
            return make();
        }
    }
    return nullptr;
}

const std::vector<std::string_view>& ControlClassNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const auto& entry : Makers()) {
            all.push_back(entry.first);
        }
        return all;
    }();
    return names;
}

}  // namespace quillon
