#include "ui/toolkit/EditField.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

#include "ui/toolkit/SkinPainter.h"

namespace quillon {

EditField::EditField(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, skin::Color(kColorText));
    palette.setColor(QPalette::PlaceholderText, skin::Color(skin::kMuted));
    palette.setColor(QPalette::Highlight, skin::Color(skin::kAccent));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(palette);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (onTyped) {
            onTyped(text.toStdString());
        }
    });
    connect(this, &QLineEdit::returnPressed, this, [this] {
        if (onDone) {
            onDone();
        }
    });
}

void EditField::SetDigitsOnly(bool digitsOnly) {
    if (digitsOnly == (validator() != nullptr)) {
        return;
    }
    setValidator(digitsOnly ? new QRegularExpressionValidator(
                                  QRegularExpression(QStringLiteral("[0-9]*")), this)
                            : nullptr);
}

void EditField::Show(const std::string& text) {
    QString shown = QString::fromStdString(text);
    if (this->text() != shown) {
        setText(shown);
    }
}

void EditField::SetTextStyle(const std::string& fontName, int fontSize, unsigned color) {
    if (fontName == fontName_ && fontSize == fontSize_ && color == color_) {
        return;
    }
    fontName_ = fontName;
    fontSize_ = fontSize;
    color_ = color;
    setFont(skin::Font(fontName, fontSize));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, skin::Color(color));
    setPalette(palette);
}

void EditField::Disconnect() {
    blockSignals(true);
    onTyped = nullptr;
    onDone = nullptr;
    onFocusIn = nullptr;
}

void EditField::focusInEvent(QFocusEvent* event) {
    focusReason_ = event->reason();
    QLineEdit::focusInEvent(event);
    if (onFocusIn) {
        onFocusIn();
    }
}

void EditField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (onDone) {
        onDone();
    }
}

}  // namespace quillon
