#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/EmojiTable.h"
#include "input/TextTyper.h"
#include "support/RecordingTyper.h"

namespace quillon {
namespace {

using test::RecordingTyper;

TEST(EmojiTableTest, CodesPickerNamesAndPictures) {
    struct Case {
        int number;
        std::string code;
        std::string pickerName;
        std::string picture;
    };
    const std::vector<Case> cases = {
        {1, "[微笑]", "微笑", "Emoji/wechat_emoji_00.png"},
        {26, "[憨笑]", "流汗", "Emoji/wechat_emoji_25.png"},
        {27, "[悠闲]", "憨笑", "Emoji/wechat_emoji_26.png"},
        {40, "[右哼哼]", "左哼哼", "Emoji/wechat_emoji_39.png"},
        {64, "[Emm]", "Emm", "Emoji/wechat_emoji_63.png"},
        {102, "[發]", "發", "Emoji/wechat_emoji_101.png"},
        {109, "[转圈]", "转圈", "Emoji/wechat_emoji_108.png"},
        {0, "", "", ""},
        {110, "", "", ""},
        {-5, "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EmojiCode(c.number), c.code) << c.number;
        EXPECT_EQ(EmojiPickerName(c.number), c.pickerName) << c.number;
        EXPECT_EQ(EmojiPicturePath(c.number), c.picture) << c.number;
    }
    EXPECT_EQ(EmojiPickerHint(26), "表情: 流汗");
    EXPECT_EQ(EmojiPickerHint(110), "");
}

TEST(EmojiTableTest, EveryCodeIsABracketedWordInTheBasicPlane) {
    for (int number = 1; number <= kEmojiCount; ++number) {
        std::string code = EmojiCode(number);
        ASSERT_GE(code.size(), 3u) << number;
        EXPECT_EQ(code.front(), '[');
        EXPECT_EQ(code.back(), ']');
        for (char byte : code) {  // no four-byte UTF-8 sequence: nothing beyond U+FFFF
            EXPECT_LT(static_cast<unsigned char>(byte), 0xF0u) << number;
        }
        if (number != 26 && number != 27 && number != 40) {
            EXPECT_EQ(code, "[" + EmojiPickerName(number) + "]");
        }
    }
}

TEST(TypeEmojiTest, TypesTheCodeOfTheNumberAndNothingOutsideTheTable) {
    struct Case {
        int number;
        std::u32string typed;
    };
    const std::vector<Case> cases = {
        {64, U"[Emm]"}, {71, U"[666]"}, {87, U"[OK]"}, {26, U"[憨笑]"}, {0, U""}, {110, U""},
    };
    for (const Case& c : cases) {
        RecordingTyper typer;
        TypeEmoji(typer, c.number);
        EXPECT_EQ(typer.Typed(), c.typed) << c.number;
    }
}

TEST(TypeTextTest, DropsCarriageReturnsAndInvalidBytesAndTypesWholeCharacters) {
    RecordingTyper typer;
    // An astral character goes out whole; a stray continuation byte, a truncated sequence, an
    // overlong form and an encoded surrogate are skipped.
    TypeText(typer, "a\r\nb\xF0\x9F\x98\x80\x80\xC0\xAF\xED\xA0\x80z\xE4\xB8");
    EXPECT_EQ(typer.Typed(), U"a\nb\U0001F600z");
}

}  // namespace
}  // namespace quillon
