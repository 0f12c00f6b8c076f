#pragma once

#include "store/Records.h"

namespace quillon {

class CRadioButton;
class MControl;
class MEdit;
class PageHost;
struct PageGrid;
struct PageTexts;

// The macro's pause choice (none, measured, fixed with its field) and loop choice (two repeat
// modes, or a count with its field), as the macro page shows them.
class MacroPlayChoices {
  public:
    void Build(PageHost& host, MControl& area, const PageTexts& texts);
    void Place(const PageGrid& grid);

    // Ticks the choices and fills the fields from a stored header.
    void Show(const MacroHeader& header);
    // The header the choices describe (fields limited as on leaving them).
    MacroHeader Header(int macroId) const;
    // 0 none, 1 measured, 2 fixed; and the fixed pause.
    int PauseMode() const;
    int FixedPause() const;

    // A click or finished edit of one of the choices' controls: true when the header must be
    // saved. Field limits are applied and written back first.
    bool OnMessage(int controlId, int event);
    // Recording locks every control; unlocking brings back the fields' own state.
    void SetLocked(bool locked);

    CRadioButton* pauseChoice[3] = {};
    CRadioButton* loopChoice[3] = {};
    MEdit* pauseField = nullptr;
    MEdit* countField = nullptr;

  private:
    void EnableFields();
    void LimitPauseField();
    void LimitCountField();

    MControl* frames_[2] = {};
    MControl* labels_[3] = {};
};

}  // namespace quillon
