#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommandLine.h"

namespace quillon {
namespace {

TEST(CommandLine, HideSwitchIsFoundAnywhereAfterTheProgramName) {
    struct Case {
        std::vector<const char*> argv;
        bool hidden;
    };
    const Case cases[] = {
        {{"quillon-mouse"}, false},
        {{"quillon-mouse", "-hide"}, true},
        {{"quillon-mouse", "--verbose", "-hide", "x"}, true},
        {{"quillon-mouse", "--hide"}, true},
        {{"quillon-mouse", "x-hidey"}, true},
        {{"quillon-mouse", "-Hide"}, false},
        {{"quillon-mouse", "-HIDE"}, false},
        {{"quillon-mouse", "-hid", "e"}, false},
        {{"quillon-mouse", "hide"}, false},
        {{"/opt/app-hide/quillon-mouse"}, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments(c.argv.begin() + 1, c.argv.end());
        EXPECT_EQ(HasHideSwitch(arguments), c.hidden) << c.argv.back();
        EXPECT_EQ(HasHideSwitch(static_cast<int>(c.argv.size()), c.argv.data()), c.hidden)
            << c.argv.back();
    }
    EXPECT_FALSE(HasHideSwitch(0, nullptr));
}

}  // namespace
}  // namespace quillon
