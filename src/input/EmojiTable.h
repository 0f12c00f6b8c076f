#pragma once

#include <string>

namespace quillon {

// The chat emojis an emoji button can type, numbered 1 to 109.
inline constexpr int kEmojiCount = 109;

// The code the chat client turns into the picture: the emoji's word in square brackets.
// Empty outside 1..kEmojiCount.
std::string EmojiCode(int number);

// The word the picker shows: the code's word, except three numbers where the picker names the
// picture differently. Empty outside 1..kEmojiCount.
std::string EmojiPickerName(int number);

// The picker entry's hint: "表情: " and the picker word. Empty outside 1..kEmojiCount.
std::string EmojiPickerHint(int number);

// The picture file, relative to the image folder: "Emoji/wechat_emoji_NN.png" with NN the
// number minus one (00 for number 1, 108 for 109). Empty outside 1..kEmojiCount.
std::string EmojiPicturePath(int number);

}  // namespace quillon
