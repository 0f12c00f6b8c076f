#pragma once

namespace quillon {

class EmojiControl;
class MComboBox;
class SettingsStore;

// Fills the assignment dialog's value list for a function: every macro (type 23), the
// multimedia commands (25) or the system commands (26) the dialog offers, in its order, each
// with its value as item data; the first entry is selected. Other types leave it empty.
void FillValueList(MComboBox& list, int type, SettingsStore& store);

// The emoji picker's entries: number, picture and hint of every emoji, in number order.
void FillEmojiPicker(EmojiControl& picker);

}  // namespace quillon
