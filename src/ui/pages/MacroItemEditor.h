#pragma once

#include <functional>
#include <string>

#include "input/KeyNames.h"
#include "store/Records.h"

namespace quillon {

class CRadioButton;
class MComboBox;
class MControl;
class MEdit;
class MacroItemList;
class PageHost;
struct PageGrid;
struct PageTexts;

// The editor of the selected macro item: its kind, and its value as a pause, a key (captured
// from the keyboard), a mouse button, a one-axis distance or a move on both axes.
class MacroItemEditor {
  public:
    enum class Result { NotMine, Handled, Changed };

    void Build(PageHost& host, MControl& area, const PageTexts& texts);
    void Place(const PageGrid& grid);

    // Hides every editor control.
    void Hide();
    // Shows the editor for the item's type.
    void ShowFor(const MacroItem& item);
    // An event of an editor control, applied to the list's selected item; Changed when the list
    // must be saved.
    Result OnMessage(int controlId, int event, MacroItemList& list);
    // The key capture's latest key, shown in the key field.
    void ShowCapturedKey(const std::string& name);
    void SetLocked(bool locked);
    // The kind entry's text follows the language.
    void ApplyTexts();

    // Key capture for the key field, run by the page's recorder.
    std::function<void()> beginKeyCapture;
    std::function<CapturedKey()> endKeyCapture;

    MComboBox* kindBox = nullptr;
    MEdit* valueField = nullptr;
    MComboBox* buttonBox = nullptr;
    CRadioButton* direction[4] = {};  // left, right, up, down
    MEdit* xField = nullptr;
    MEdit* yField = nullptr;

  private:
    void SetKind(int data);
    void ApplyKind(int data, const std::string& value);
    void ShowMoveEditor(bool shown);
    Result ChangeMove(bool fromDirection, MacroItemList& list);

    MControl* kindLabel_ = nullptr;
    MControl* valueLabel_ = nullptr;
    MControl* xLabel_ = nullptr;
    MControl* yLabel_ = nullptr;
    MControl* moveButtons_[2] = {};
};

}  // namespace quillon
