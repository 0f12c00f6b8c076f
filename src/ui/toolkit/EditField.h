#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

namespace quillon {

// The text field inside MEdit, NumberEdit, DPIControl and MacroList: a frameless line edit in the
// dark skin that reports typing, the end of editing (Enter or focus lost) and focus gained.
class EditField : public QLineEdit {
  public:
    explicit EditField(QWidget* parent);

    std::function<void(const std::string& text)> onTyped;
    std::function<void()> onDone;
    std::function<void()> onFocusIn;

    void SetDigitsOnly(bool digitsOnly);
    // Shows a text set by the program, leaving the cursor alone when it is already shown.
    void Show(const std::string& text);
    void SetTextStyle(const std::string& fontName, int fontSize, unsigned color);
    // Why the field last got the focus (inside onFocusIn: this time).
    Qt::FocusReason LastFocusReason() const { return focusReason_; }
    // Drops the callbacks; the owning control is going away.
    void Disconnect();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    std::string fontName_;
    int fontSize_ = 0;
    unsigned color_ = 0;
    Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
};

}  // namespace quillon
