#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "device/CommandFrame.h"
#include "store/Records.h"

namespace quillon {

// The mouse keeps every macro in one memory image: a table of 16-bit offsets, one per macro,
// then the macros' events, 4 bytes each.
inline constexpr size_t kMacroImageSize = 4224;
inline constexpr size_t kMacroOffsetTableSize = 64;
inline constexpr size_t kMacroEntrySize = 4;
inline constexpr size_t kMacroChunkSize = 56;

// One macro with its items in record_index order.
struct MacroSource {
    MacroHeader header;
    std::vector<MacroItem> items;
};

struct MacroImage {
    std::array<std::uint8_t, kMacroImageSize> bytes{};
    size_t length = 0;  // bytes in use, offset table included
};

// Encodes the macros, in table order, into `image`. Fails, leaving `image` empty and saying why
// in `reason`, when the table holds more macros than the offset table has room for or the
// events would not fit the image; nothing of such a table may reach the mouse.
bool BuildMacroImage(const std::vector<MacroSource>& macros, MacroImage& image,
                     std::string& reason);

// The commands that download an image: its used bytes in 56-byte chunks of command 0x0D, then
// command 0x10, which makes the mouse take them.
std::vector<CommandFrame> MacroImageFrames(const MacroImage& image);

}  // namespace quillon
