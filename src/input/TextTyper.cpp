#include "input/TextTyper.h"

#include <chrono>
#include <thread>

#include "input/EmojiTable.h"
#include "platform/Utf16.h"

namespace quillon {

void TypeText(TextTyper& typer, std::string_view text) {
    bool first = true;
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t character = 0;
        if (!DecodeUtf8(text, pos, character) || character == 0 || character == U'\r') {
            continue;
        }
        if (!first) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kTypingPauseMs));
        }
        first = false;
        typer.TypeCharacter(character);
    }
    typer.Finish();
}

void TypeEmoji(TextTyper& typer, int number) {
    std::string code = EmojiCode(number);
    if (!code.empty()) {
        TypeText(typer, code);
    }
}

}  // namespace quillon
