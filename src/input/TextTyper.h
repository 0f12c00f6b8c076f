#pragma once

#include <string_view>

namespace quillon {

// Types characters into whatever application has the keyboard focus (the desktop's synthetic
// input: XTest on X11). The emoji button's notification reaches the program through here.
class TextTyper {
  public:
    virtual ~TextTyper() = default;
    // Presses and releases one Unicode character.
    virtual void TypeCharacter(char32_t character) = 0;
    // The text is complete: a typer that borrowed keys for its characters gives them back.
    virtual void Finish() {}
};

// Types the UTF-8 `text` one character at a time, carriage returns left out, with
// kTypingPauseMs between characters so the receiving application keeps them in order.
// Bytes that are not valid UTF-8 are skipped.
void TypeText(TextTyper& typer, std::string_view text);

// Types the code of emoji `number` (1..109); nothing for any other number.
void TypeEmoji(TextTyper& typer, int number);

inline constexpr int kTypingPauseMs = 10;

}  // namespace quillon
