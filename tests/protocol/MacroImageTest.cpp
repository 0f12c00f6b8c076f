#include <gtest/gtest.h>

#include "input/MacroItems.h"
#include "protocol/MacroImage.h"

namespace quillon {
namespace {

using Bytes = std::vector<std::uint8_t>;

MacroItem Item(int type, int value, std::string desc = {}) {
    MacroItem item;
    item.type = type;
    item.value = value;
    item.desc = std::move(desc);
    return item;
}

MacroItem Pause(int ms) {
    return Item(kItemPause, ms);
}
MacroItem KeyDown(int vk) {
    return Item(kItemKeyDown, vk);
}
MacroItem KeyUp(int vk) {
    return Item(kItemKeyUp, vk);
}

MacroSource Source(int id, std::vector<MacroItem> items) {
    MacroSource source;
    source.header.macro_id = id;
    source.header.name = "macro " + std::to_string(id);
    source.items = std::move(items);
    return source;
}

MacroImage Build(const std::vector<MacroSource>& macros) {
    MacroImage image;
    std::string reason;
    EXPECT_TRUE(BuildMacroImage(macros, image, reason)) << reason;
    return image;
}

// The events of the only macro of an image, from byte 64 on.
Bytes Events(const MacroImage& image) {
    return Bytes(image.bytes.begin() + 64, image.bytes.begin() + static_cast<long>(image.length));
}

TEST(MacroImage, PausesBecomeTheDelayOfTheEventBeforeThem) {
    struct Case {
        const char* what;
        std::vector<MacroItem> items;
        Bytes events;
    };
    const Case cases[] = {
        {"a pause of 50 between two events",
         {KeyDown(0x41), Pause(50), KeyUp(0x41)},
         {50, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"no pause: 10 ms apart",
         {KeyDown(0x41), KeyUp(0x41)},
         {10, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"a leading pause is dropped",
         {Pause(100), KeyDown(0x41), KeyUp(0x41)},
         {10, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"pauses add up",
         {KeyDown(0x41), Pause(200), Pause(300), KeyUp(0x41)},
         {0xF4, 0x01, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"trailing pauses are the last event's delay",
         {KeyDown(0x41), Pause(20), Pause(30)},
         {50, 0, 0xC2, 0x04}},
        {"a zero pause counts as none",
         {KeyDown(0x41), Pause(0), KeyUp(0x41)},
         {10, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"a negative pause counts as none, not as FB FF",
         {KeyDown(0x41), Pause(-5), KeyUp(0x41)},
         {10, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"a long pause saturates instead of wrapping",
         {KeyDown(0x41), Pause(15000), Pause(15000), Pause(15000), Pause(15000), Pause(15000),
          KeyUp(0x41)},
         {0xFF, 0xFF, 0x42, 0x04, 0, 0, 0x82, 0x04}},
        {"no items: the empty macro", {}, {0, 0, 0x80, 0}},
        {"only pauses: the empty macro", {Pause(10), Pause(20)}, {0, 0, 0x80, 0}},
        {"item types without an event are left out",
         {KeyDown(0x41), Item(13, 5), Item(0, 0), KeyUp(0x41)},
         {10, 0, 0x42, 0x04, 0, 0, 0x82, 0x04}},
    };
    for (const Case& c : cases) {
        const MacroImage image = Build({Source(1, c.items)});
        EXPECT_EQ(Events(image), c.events) << c.what;
        EXPECT_EQ(image.bytes[0], 64) << c.what;
        EXPECT_EQ(image.bytes[1], 0) << c.what;
    }
}

TEST(MacroImage, ItemEncodings) {
    struct Case {
        MacroItem item;
        std::uint8_t delayHigh;  // flags of a two-axis move
        std::uint8_t kind;       // without the last-event bit
        std::uint8_t code;
    };
    const Case cases[] = {
        {KeyDown(0xA2), 0, 0x41, 0xE0},  // a modifier key (left Ctrl)
        {KeyUp(0x5C), 0, 0x01, 0xE7},
        {KeyDown(0xE2), 0, 0x42, 0x64},  // an OEM key, not a modifier
        {KeyUp(0x70), 0, 0x02, 0x3A},
        {Item(kItemMouseDown, 2, "↓  RB"), 0, 0x43, 0x02},
        {Item(kItemMouseUp, 16, "↑  Forward"), 0, 0x03, 0x10},
        {Item(kItemMouseDown, 1, "↑  Scroll Up"), 0, 0x44, 0x01},
        {Item(kItemMouseUp, 2, "↑  Scroll Up"), 0, 0x44, 0x01},
        {Item(kItemMouseDown, 1, "↓  Scroll Down"), 0, 0x44, 0xFF},
        {Item(kItemMouseUp, 2, "↓  Scroll Down"), 0, 0x44, 0xFF},
        {Item(kItemWheelUp, 0), 0, 0x44, 0x01},
        {Item(kItemWheelDown, 0), 0, 0x44, 0xFF},
        {Item(kItemMoveUp, 0x105), 0, 0x46, 0x05},
        {Item(kItemMoveRight, 9), 0, 0x46, 0x09},
        // Left 5, up 7: direction flags in the delay's high byte, distances in the code.
        {Item(kItemMoveXY, 0x8785), 0xC0, 0x46, 0x57},
        {Item(kItemMoveXY, 0x0101), 0x00, 0x46, 0x11},
    };
    for (const Case& c : cases) {
        const MacroImage image = Build({Source(1, {c.item, KeyDown(0x41)})});
        const Bytes events = Events(image);
        SCOPED_TRACE(std::to_string(c.item.type) + " " + c.item.desc);
        ASSERT_EQ(events.size(), 8u);
        EXPECT_EQ(events[0], 10);
        EXPECT_EQ(events[1], c.delayHigh);
        EXPECT_EQ(events[2], c.kind);
        EXPECT_EQ(events[3], c.code);
    }
}

TEST(MacroImage, TwoAxisMoveDelayLeavesRoomForItsDirection) {
    const MacroImage image =
        Build({Source(1, {Item(kItemMoveXY, 0x0101), Pause(20000), KeyDown(0x41)})});
    const Bytes events = Events(image);
    EXPECT_EQ(events[0], 0xFF);
    EXPECT_EQ(events[1], 0x3F);
}

TEST(MacroImage, OffsetTablePointsAtEachMacroInTableOrder) {
    const MacroImage image =
        Build({Source(1, {KeyDown(0x41), KeyUp(0x41)}), Source(2, {}), Source(3, {KeyDown(0x42)})});
    EXPECT_EQ(image.length, 64u + 16u);
    const Bytes table(image.bytes.begin(), image.bytes.begin() + 8);
    EXPECT_EQ(table, (Bytes{64, 0, 72, 0, 76, 0, 0, 0}));
    EXPECT_EQ(image.bytes[74], 0x80) << "the empty macro";
    EXPECT_EQ(image.bytes[78], 0xC2) << "the third macro's only event is its last";
    EXPECT_EQ(Build({}).length, 64u);
}

TEST(MacroImage, MoreThanThirtyTwoMacrosAreRefused) {
    std::vector<MacroSource> macros;
    for (int id = 1; id <= 32; ++id) {
        macros.push_back(Source(id, {KeyDown(0x41)}));
    }
    EXPECT_EQ(Build(macros).length, 64u + 32u * 4u);

    macros.push_back(Source(40, {KeyDown(0x41)}));
    MacroImage image;
    image.length = 99;
    std::string reason;
    EXPECT_FALSE(BuildMacroImage(macros, image, reason));
    EXPECT_EQ(image.length, 0u);
    EXPECT_NE(reason.find("at most 32 macros and 33"), std::string::npos) << reason;
    EXPECT_NE(reason.find("\"macro 40\" (id 40)"), std::string::npos) << reason;
}

TEST(MacroImage, ImagesBeyond4224BytesAreRefusedNamingTheMacro) {
    // 5 macros of 208 events fill the 4160 bytes after the offset table exactly.
    std::vector<MacroItem> full;
    for (int i = 0; i < 104; ++i) {
        full.push_back(KeyDown(0x41));
        full.push_back(KeyUp(0x41));
    }
    std::vector<MacroSource> macros;
    for (int id = 1; id <= 5; ++id) {
        macros.push_back(Source(id, full));
    }
    EXPECT_EQ(Build(macros).length, kMacroImageSize);

    macros[2].items.push_back(Pause(5));
    macros[2].items.push_back(KeyDown(0x42));
    macros.push_back(Source(6, {}));
    MacroImage image;
    std::string reason;
    EXPECT_FALSE(BuildMacroImage(macros, image, reason));
    EXPECT_EQ(image.length, 0u);
    EXPECT_NE(reason.find("4232 bytes, 8 more than the mouse's 4224"), std::string::npos) << reason;
    EXPECT_NE(reason.find("\"macro 5\" (id 5) is the first"), std::string::npos) << reason;
}

TEST(MacroImage, FramesCarryTheImageIn56ByteChunksThenCommit) {
    struct Case {
        int events;
        std::vector<size_t> chunks;
    };
    const Case cases[] = {{12, {56, 56}}, {13, {56, 56, 4}}, {0, {56, 8}}};
    for (const Case& c : cases) {
        std::vector<MacroItem> items;
        for (int i = 0; i < c.events; ++i) {
            items.push_back(KeyDown(0x41 + i));
        }
        const MacroImage image =
            Build(c.events > 0 ? std::vector{Source(1, items)} : std::vector<MacroSource>{});
        const std::vector<CommandFrame> frames = MacroImageFrames(image);
        ASSERT_EQ(frames.size(), c.chunks.size() + 1) << c.events;
        Bytes sent;
        size_t offset = 0;
        for (size_t i = 0; i < c.chunks.size(); ++i) {
            const CommandFrame& frame = frames[i];
            EXPECT_EQ(frame[1], 0x55);
            EXPECT_EQ(frame[2], 0x0D);
            EXPECT_EQ(frame[3], 0x00);
            EXPECT_EQ(frame[5], c.chunks[i]);
            EXPECT_EQ(frame[6] | (frame[7] << 8), static_cast<int>(offset));
            EXPECT_EQ(frame[8], 0x00);
            sent.insert(sent.end(), frame.bytes.begin() + 9,
                        frame.bytes.begin() + 9 + static_cast<long>(c.chunks[i]));
            EXPECT_TRUE(std::all_of(frame.bytes.begin() + 9 + static_cast<long>(c.chunks[i]),
                                    frame.bytes.end(), [](std::uint8_t b) { return b == 0; }));
            offset += c.chunks[i];
        }
        EXPECT_EQ(sent, Bytes(image.bytes.begin(),
                              image.bytes.begin() + static_cast<long>(image.length)));
        CommandFrame commit{};
        commit[1] = 0x55;
        commit[2] = 0x10;
        commit[3] = 0xA5;
        EXPECT_EQ(frames.back().bytes, commit.bytes);
    }
}

}  // namespace
}  // namespace quillon
