#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/InstanceMessage.h"

namespace quillon {
namespace {

TEST(InstanceMessage, AllowedMessagesRoundTripAsOneLine) {
    const InstanceMessage messages[] = {
        {0, 0, 0, true},
        {MSG_QUIT_REQUEST, 0, 0, false},
        {MSG_PROFILE_FILE, 3, -7, false},
        {MSG_APPLY_TEXTS, LLONG_MAX, LLONG_MIN, false},
    };
    for (const InstanceMessage& message : messages) {
        std::string line = EncodeInstanceMessage(message);
        ASSERT_FALSE(line.empty());
        EXPECT_LE(line.size(), kMaxInstanceMessageLength);
        EXPECT_EQ(DecodeInstanceMessage(line), message) << line;
    }
    EXPECT_EQ(EncodeInstanceMessage({MSG_PROFILE_FILE, 3, -7, false}), "1705 3 -7");
    EXPECT_EQ(DecodeInstanceMessage("show\r"), (InstanceMessage{0, 0, 0, true}));
}

TEST(InstanceMessage, AnythingElseIsRefused) {
    EXPECT_EQ(EncodeInstanceMessage({1579, 0, 0, false}), "") << "not for other processes";
    EXPECT_EQ(EncodeInstanceMessage({}), "");
    for (const std::string line :
         {"", "Show", "show ", " show", "1691", "1691 0", "1691 0 0 0", "1691  0 0", "1691 0 0x",
          "1579 0 0", "0 0 0", "+1691 0 0", "1691\t0\t0", "1691 99999999999999999999 0",
          "99999999999 0 0", "1691 0 0\n", "1691 01 60", "01691 0 0", "1691 -0 0"}) {
        EXPECT_EQ(DecodeInstanceMessage(line), std::nullopt) << line;
    }
    EXPECT_EQ(DecodeInstanceMessage("1691 0 " + std::string(kMaxInstanceMessageLength, '0')),
              std::nullopt);
}

}  // namespace
}  // namespace quillon
