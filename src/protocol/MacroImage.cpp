#include "protocol/MacroImage.h"

#include <algorithm>
#include <cstdint>

#include "input/KeyNames.h"
#include "input/MacroItems.h"

namespace quillon {
namespace {

constexpr std::uint8_t kLastEvent = 0x80;
constexpr std::uint8_t kPress = 0x40;
constexpr std::uint8_t kModifierKey = 0x01;
constexpr std::uint8_t kOtherKey = 0x02;
constexpr std::uint8_t kMouseButton = 0x03;
constexpr std::uint8_t kWheel = 0x44;
constexpr std::uint8_t kPointer = 0x46;
constexpr std::uint8_t kWheelUp = 0x01;
constexpr std::uint8_t kWheelDown = 0xFF;

// The pause between two events written back to back.
constexpr std::int64_t kDefaultDelay = 10;
constexpr std::int64_t kMaxDelay = 0xFFFF;
// A two-axis move keeps its direction bits in the delay's high byte.
constexpr std::int64_t kMaxMoveDelay = 0x3FFF;

constexpr std::uint8_t kCommandMacroChunk = 0x0D;
constexpr std::uint8_t kCommandMacroCommit = 0x10;
constexpr std::uint8_t kCommitQualifier = 0xA5;
constexpr size_t kMaxMacroCount = kMaxMacros;
static_assert(kMacroOffsetTableSize / 2 == kMaxMacroCount, "one 16-bit offset per macro");

struct Event {
    std::int64_t delay = 0;
    std::int64_t maxDelay = kMaxDelay;
    std::uint8_t delayFlags = 0;  // ORed into the delay's high byte
    std::uint8_t kind = 0;
    std::uint8_t code = 0;
};

std::uint8_t Low(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t KeyKind(int usage) {
    return usage >= 0xE0 && usage <= 0xE7 ? kModifierKey : kOtherKey;
}

// The event of a mouse button item: a wheel step when its text names one.
Event MouseEvent(const MacroItem& item, std::uint8_t kind) {
    if (item.desc.find(kScrollUpName) != std::string::npos) {
        return {.kind = kWheel, .code = kWheelUp};
    }
    if (item.desc.find(kScrollDownName) != std::string::npos) {
        return {.kind = kWheel, .code = kWheelDown};
    }
    return {.kind = kind, .code = Low(item.value)};
}

// False for pauses and for item types that describe no event.
bool EncodeEvent(const MacroItem& item, Event& event) {
    switch (item.type) {
        case kItemKeyDown: {
            const int usage = UsageOfVirtualKey(item.value);
            event = {.kind = static_cast<std::uint8_t>(kPress | KeyKind(usage)),
                     .code = Low(usage)};
            return true;
        }
        case kItemKeyUp: {
            const int usage = UsageOfVirtualKey(item.value);
            event = {.kind = KeyKind(usage), .code = Low(usage)};
            return true;
        }
        case kItemMouseDown:
            event = MouseEvent(item, kPress | kMouseButton);
            return true;
        case kItemMouseUp:
            event = MouseEvent(item, kMouseButton);
            return true;
        case kItemWheelUp:
            event = {.kind = kWheel, .code = kWheelUp};
            return true;
        case kItemWheelDown:
            event = {.kind = kWheel, .code = kWheelDown};
            return true;
        case kItemMoveUp:
        case kItemMoveDown:
        case kItemMoveLeft:
        case kItemMoveRight:
            event = {.kind = kPointer, .code = Low(item.value)};
            return true;
        case kItemMoveXY: {
            const int low = item.value & 0xFF;
            const int high = (item.value >> 8) & 0xFF;
            event = {.maxDelay = kMaxMoveDelay,
                     .delayFlags = static_cast<std::uint8_t>(((low & 0x80) != 0 ? 0x40 : 0) |
                                                             ((high & 0x80) != 0 ? 0x80 : 0)),
                     .kind = kPointer,
                     .code = Low((high & 0x0F) | (low << 4))};
            return true;
        }
        default:
            return false;
    }
}

// The events of one macro. The delay of an event is the pause that follows it: the pauses
// between it and the next event, 10 ms when there are none; pauses after the last event are
// its delay, pauses before the first are dropped.
std::vector<Event> MacroEvents(const std::vector<MacroItem>& items) {
    std::vector<Event> events;
    std::int64_t pause = 1;
    for (const MacroItem& item : items) {
        if (item.type == kItemPause) {
            pause += item.value;
            continue;
        }
        Event event;
        if (!EncodeEvent(item, event)) {
            continue;
        }
        if (!events.empty()) {
            events.back().delay = pause <= 0 ? kDefaultDelay : pause;
        }
        events.push_back(event);
        pause = 0;
    }
    if (!events.empty()) {
        events.back().delay = std::max<std::int64_t>(pause, 0);
    }
    return events;
}

void WriteEvent(const Event& event, bool last, std::uint8_t* at) {
    const auto delay = static_cast<std::uint16_t>(std::min(event.delay, event.maxDelay));
    at[0] = static_cast<std::uint8_t>(delay & 0xFF);
    at[1] = static_cast<std::uint8_t>((delay >> 8) | event.delayFlags);
    at[2] = static_cast<std::uint8_t>(event.kind | (last ? kLastEvent : 0));
    at[3] = event.code;
}

std::string MacroLabel(const MacroHeader& header) {
    return "macro \"" + header.name + "\" (id " + std::to_string(header.macro_id) + ")";
}

}  // namespace

bool BuildMacroImage(const std::vector<MacroSource>& macros, MacroImage& image,
                     std::string& reason) {
    image = MacroImage{};
    if (macros.size() > kMaxMacroCount) {
        reason = "the mouse holds at most " + std::to_string(kMaxMacroCount) + " macros and " +
                 std::to_string(macros.size()) + " are stored; " +
                 MacroLabel(macros[kMaxMacroCount].header) + " and the ones after it do not fit";
        return false;
    }
    std::vector<std::vector<Event>> encoded;
    encoded.reserve(macros.size());
    size_t needed = kMacroOffsetTableSize;
    const MacroHeader* firstOver = nullptr;
    for (const MacroSource& macro : macros) {
        encoded.push_back(MacroEvents(macro.items));
        // A macro without events still takes one entry: the empty macro.
        needed += std::max<size_t>(encoded.back().size(), 1) * kMacroEntrySize;
        if (needed > kMacroImageSize && firstOver == nullptr) {
            firstOver = &macro.header;
        }
    }
    if (firstOver != nullptr) {
        reason = "the macros need " + std::to_string(needed) + " bytes, " +
                 std::to_string(needed - kMacroImageSize) + " more than the mouse's " +
                 std::to_string(kMacroImageSize) + "; " + MacroLabel(*firstOver) +
                 " is the first that does not fit";
        return false;
    }
    size_t offset = kMacroOffsetTableSize;
    for (size_t i = 0; i < encoded.size(); ++i) {
        image.bytes[2 * i] = static_cast<std::uint8_t>(offset & 0xFF);
        image.bytes[2 * i + 1] = static_cast<std::uint8_t>(offset >> 8);
        const std::vector<Event>& events = encoded[i];
        if (events.empty()) {
            WriteEvent(Event{}, true, &image.bytes[offset]);
            offset += kMacroEntrySize;
            continue;
        }
        for (size_t e = 0; e < events.size(); ++e) {
            WriteEvent(events[e], e + 1 == events.size(), &image.bytes[offset]);
            offset += kMacroEntrySize;
        }
    }
    image.length = offset;
    return true;
}

std::vector<CommandFrame> MacroImageFrames(const MacroImage& image) {
    std::vector<CommandFrame> frames;
    for (size_t at = 0; at < image.length; at += kMacroChunkSize) {
        const size_t length = std::min(kMacroChunkSize, image.length - at);
        CommandFrame frame(kCommandMacroChunk, 0);
        frame[5] = static_cast<std::uint8_t>(length);
        frame[6] = static_cast<std::uint8_t>(at & 0xFF);
        frame[7] = static_cast<std::uint8_t>(at >> 8);
        std::copy_n(image.bytes.begin() + static_cast<std::ptrdiff_t>(at), length,
                    frame.bytes.begin() + 9);
        frames.push_back(frame);
    }
    frames.emplace_back(kCommandMacroCommit, kCommitQualifier);
    return frames;
}

}  // namespace quillon
