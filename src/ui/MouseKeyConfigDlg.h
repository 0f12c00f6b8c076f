#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/toolkit/MDialog.h"

class QLineEdit;

namespace quillon {

class CCheckButton;
class EmojiControl;
class KeyCapture;
class MComboBox;
class MEdit;
class MText;
class SettingsStore;
struct PressedKey;

// The assignment dialog: asks for what a dialog function needs (a key with modifiers, a macro,
// a multimedia or system command, an emoji) and stores the button's new assignment on OK. The
// close button leaves the stored assignment as it was.
class MouseKeyConfigDlg : public MDialog {
  public:
    MouseKeyConfigDlg(SettingsStore& store, int profile, int keyCode, int type);
    ~MouseKeyConfigDlg() override;

    // Creates the window centred on `owner` and runs it modally: kIdOk once OK stored the
    // assignment, kIdCancel when it was closed.
    int Run(MWindow& owner);
    // The window's size for a function type.
    static MRect WindowRect(int type);

    int OnInitDialog() override;
    void InitUI(int left, int top, int right, int bottom) override;
    void UISize(int left, int top, int right, int bottom) override;
    int OnMessage(int controlId, int event, std::intptr_t param) override;

  private:
    // What OK stores as the key of a keyboard assignment.
    enum class Pending { None, StoredUsage, CapturedKey };

    void ShowControlsFor(int type);
    void PresetFromStored();
    void BeginKeyCapture();
    void EndKeyCapture();
    // The Qt text field of the key field (GUI thread).
    QLineEdit* KeyLineEdit() const;
    void KeyPressed(const PressedKey& key);
    void Confirm();
    // The assignment OK stores; false when the dialog holds nothing to store.
    bool BuildAssignment(int& value, int& value2, std::string& callerText) const;

    SettingsStore& store_;
    int profile_;
    int keyCode_;
    int type_;
    Pending pending_ = Pending::None;
    int pendingCode_ = 0;  // the usage or the virtual-key code
    std::unique_ptr<KeyCapture> capture_;

    MText* title_ = nullptr;
    MComboBox* function_ = nullptr;
    MComboBox* values_ = nullptr;
    MEdit* keyField_ = nullptr;
    CCheckButton* shift_ = nullptr;
    CCheckButton* ctrl_ = nullptr;
    CCheckButton* win_ = nullptr;
    CCheckButton* alt_ = nullptr;
    EmojiControl* emoji_ = nullptr;
};

}  // namespace quillon
