#include "input/TextTyper.h"

#include <chrono>
#include <thread>

#include "input/EmojiTable.h"

namespace quillon {
namespace {

// Decodes the UTF-8 sequence at `pos`, advancing past it. Returns 0 for an invalid sequence
// (overlong, surrogate, out of range, truncated), after skipping its first byte.
char32_t NextCharacter(std::string_view text, size_t& pos) {
    auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1, value = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2, value = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + static_cast<size_t>(length) > text.size()) {
        return 0;
    }
    for (int i = 0; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[pos + static_cast<size_t>(i)]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    pos += static_cast<size_t>(length);
    return value;
}

}  // namespace

void TypeText(TextTyper& typer, std::string_view text) {
    bool first = true;
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t character = NextCharacter(text, pos);
        if (character == 0 || character == U'\r') {
            continue;
        }
        if (!first) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kTypingPauseMs));
        }
        first = false;
        typer.TypeCharacter(character);
    }
}

void TypeEmoji(TextTyper& typer, int number) {
    std::string code = EmojiCode(number);
    if (!code.empty()) {
        TypeText(typer, code);
    }
}

}  // namespace quillon
