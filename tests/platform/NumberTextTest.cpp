#include <gtest/gtest.h>

#include "platform/NumberText.h"

namespace quillon {
namespace {

TEST(NumberText, ParseWholeIntTakesOnlyACompleteDecimalNumber) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-7", true, -7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"99999999999", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"+5", false, 0},
        {" 5", false, 0},
        {"5 ", false, 0},
        {"1e3", false, 0},
        {"0x10", false, 0},
        {"12abc", false, 0},
    };
    for (const Case& c : cases) {
        int value = 1234;
        EXPECT_EQ(ParseWholeInt(c.text, value), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 1234) << c.text;
    }
}

}  // namespace
}  // namespace quillon
