#pragma once

#include <functional>
#include <string>

namespace quillon {
class MControl;
}

namespace quillon::test {

// Real input through Qt, as a person would give it, at a point of a shown control (its centre
// when x and y are -1).
void Click(MControl& control, int x = -1, int y = -1);
void RightClick(MControl& control, int x = -1, int y = -1);
void DoubleClick(MControl& control, int x = -1, int y = -1);
// Presses at one x and releases at another, moving in between.
void Drag(MControl& control, int fromX, int toX);
// Gives the control's text field the focus (activating its window), types, and presses Enter
// when asked to.
void Focus(MControl& control);
void Type(MControl& control, const std::string& text, bool pressEnter = false);
// Takes the focus away from every field.
void ClearFocus();
// Chooses an item of the open popup menu; false when no popup menu is open.
bool ChoosePopupItem(int index);

// Runs the event loop until `done` holds or `milliseconds` pass; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int milliseconds = 3000);
void ProcessEvents();

}  // namespace quillon::test
