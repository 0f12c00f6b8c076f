#include "ui/pages/MacroPlayChoices.h"

#include "input/MacroEditor.h"
#include "input/MacroItems.h"
#include "platform/NumberText.h"
#include "ui/pages/MacroPageIds.h"
#include "ui/pages/PageGrid.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/PageTexts.h"
#include "ui/toolkit/CArea.h"
#include "ui/toolkit/CRadioButton.h"
#include "ui/toolkit/MDialog.h"
#include "ui/toolkit/MEdit.h"
#include "ui/toolkit/MText.h"

namespace quillon {

using namespace macro_ids;

namespace {

constexpr int kPauseTexts[3] = {361, 362, 363};
constexpr int kLoopTexts[3] = {365, 366, 367};
constexpr int kPauseIds[3] = {kPauseNone, kPauseMeasured, kPauseFixed};
constexpr int kLoopIds[3] = {kLoopWhileHeld, kLoopToggle, kLoopCount};
// The loop choices in order stand for play types 1, 2 and 0 (a count).
constexpr int kPlayTypeOfChoice[3] = {1, 2, 0};

int Ticked(CRadioButton* const (&choices)[3]) {
    for (int i = 0; i < 3; ++i) {
        if (choices[i]->GetCheck()) {
            return i;
        }
    }
    return -1;
}

void Tick(CRadioButton* const (&choices)[3], int index) {
    for (int i = 0; i < 3; ++i) {
        choices[i]->SetCheck(i == index);
    }
}

// A choice of three with its heading and its number field, ticked at `ticked`.
struct ChoiceGroup {
    int headingId;
    int headingText;
    const int (&ids)[3];
    const int (&textIds)[3];
    const char* group;
    int ticked;
    int fieldId;
    const char* fieldText;
    int fieldLength;
};

MEdit* BuildGroup(MDialog& dialog, MControl& area, const PageTexts& texts, const ChoiceGroup& g,
                  MControl*& heading, CRadioButton* (&choices)[3]) {
    heading = dialog.CreateControl<MText>(g.headingId, {}, {}, &area);
    texts.title(*heading, g.headingText);
    for (int i = 0; i < 3; ++i) {
        choices[i] = dialog.CreateControl<CRadioButton>(g.ids[i], {}, {}, &area);
        choices[i]->SetGroupName(g.group);
        texts.title(*choices[i], g.textIds[i]);
    }
    choices[g.ticked]->SetCheck(true);
    auto* field = dialog.CreateControl<MEdit>(g.fieldId, {}, {}, &area);
    field->SetTitle(g.fieldText);
    field->SetNumberOnly(true);
    field->SetLimitText(g.fieldLength);
    return field;
}

}  // namespace

void MacroPlayChoices::Build(PageHost& host, MControl& area, const PageTexts& texts) {
    MDialog& dialog = host.Dialog();
    frames_[0] = dialog.CreateControl<CArea>(kPauseFrame, {}, {}, &area);
    frames_[1] = dialog.CreateControl<CArea>(kLoopFrame, {}, {}, &area);
    pauseField = BuildGroup(dialog, area, texts,
                            {kPauseHeading, 360, kPauseIds, kPauseTexts, "IDC_MACRO_STC_DELAYSET",
                             1, kPauseField, "10", 5},
                            labels_[0], pauseChoice);
    pauseField->SetEnabled(false);
    labels_[1] = dialog.CreateControl<MText>(kPauseUnit, {}, {}, &area);
    labels_[1]->SetTitle("ms");
    countField = BuildGroup(
        dialog, area, texts,
        {kLoopHeading, 364, kLoopIds, kLoopTexts, "IDC_MACRO_RADIO_LOOP1", 2, kCountField, "1", 3},
        labels_[2], loopChoice);
}

void MacroPlayChoices::Place(const PageGrid& g) {
    constexpr int x = 740;
    constexpr int r = 1083;
    frames_[0]->SetRect(g.At(x, 116, r, 278));
    labels_[0]->SetRect(g.At(x + 16, 124, r - 16, 150));
    for (int i = 0; i < 3; ++i) {
        pauseChoice[i]->SetRect(
            g.At(x + 16, 156 + 38 * i, i == 2 ? x + 200 : r - 16, 186 + 38 * i));
    }
    pauseField->SetRect(g.At(x + 208, 230, x + 290, 264));
    labels_[1]->SetRect(g.At(x + 298, 230, r - 10, 264));

    frames_[1]->SetRect(g.At(x, 290, r, 452));
    labels_[2]->SetRect(g.At(x + 16, 298, r - 16, 324));
    for (int i = 0; i < 3; ++i) {
        loopChoice[i]->SetRect(g.At(x + 16, 330 + 38 * i, i == 2 ? x + 200 : r - 16, 360 + 38 * i));
    }
    countField->SetRect(g.At(x + 208, 404, x + 290, 438));
}

void MacroPlayChoices::Show(const MacroHeader& header) {
    const int pause = header.delay_type >= 0 && header.delay_type <= 2 ? header.delay_type : -1;
    Tick(pauseChoice, pause);
    if (pause == 2) {
        pauseField->SetTitle(std::to_string(header.delay_time));
    }
    int loop = -1;
    for (int i = 0; i < 3; ++i) {
        if (kPlayTypeOfChoice[i] == header.play_type) {
            loop = i;
        }
    }
    Tick(loopChoice, loop);
    if (loop == 2) {
        countField->SetTitle(std::to_string(header.play_times));
    }
    EnableFields();
}

int MacroPlayChoices::PauseMode() const {
    const int ticked = Ticked(pauseChoice);
    return ticked < 0 ? 0 : ticked;
}

int MacroPlayChoices::FixedPause() const {
    const std::string text = pauseField->GetTitle();
    return LimitMacroPause(ParseLeadingInt(text.empty() ? "10" : text));
}

MacroHeader MacroPlayChoices::Header(int macroId) const {
    const int loop = Ticked(loopChoice);
    return HeaderFromEditors(macroId, PauseMode(), pauseField->GetTitle(),
                             loop < 0 ? 0 : kPlayTypeOfChoice[loop], countField->GetTitle());
}

void MacroPlayChoices::EnableFields() {
    pauseField->SetEnabled(pauseChoice[2]->GetCheck());
    countField->SetEnabled(loopChoice[2]->GetCheck());
}

void MacroPlayChoices::LimitPauseField() {
    const std::string text = std::to_string(FixedPause());
    pauseField->SetTitle(text);
    pauseField->SetHint(text);
}

void MacroPlayChoices::LimitCountField() {
    const std::string text = countField->GetTitle();
    countField->SetTitle(
        std::to_string(LimitLoopCount(ParseLeadingInt(text.empty() ? "1" : text))));
}

bool MacroPlayChoices::OnMessage(int controlId, int event) {
    switch (controlId) {
        case kPauseNone:
        case kPauseMeasured:
        case kPauseFixed:
        case kLoopWhileHeld:
        case kLoopToggle:
        case kLoopCount:
            if (event != kEventClick) {
                return false;
            }
            EnableFields();
            return true;
        case kPauseField:
            if (event != kEventEditDone) {
                return false;
            }
            LimitPauseField();
            return true;
        case kCountField:
            if (event != kEventEditDone) {
                return false;
            }
            LimitCountField();
            return true;
        default:
            return false;
    }
}

void MacroPlayChoices::SetLocked(bool locked) {
    for (int i = 0; i < 3; ++i) {
        pauseChoice[i]->SetEnabled(!locked);
        loopChoice[i]->SetEnabled(!locked);
    }
    if (locked) {
        pauseField->SetEnabled(false);
        countField->SetEnabled(false);
    } else {
        EnableFields();
    }
}

}  // namespace quillon
