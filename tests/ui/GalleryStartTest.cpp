#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "support/ChildProcess.h"

namespace quillon {
namespace {

using std::chrono::seconds;

// The gallery run the way a newcomer first runs it: asking for help, and from a terminal
// without a display.
TEST(GalleryStartTest, HelpAndAMissingDisplayAnswerInPlainWords) {
    test::ChildProcess help({QUILLON_GALLERY, "--help"});
    EXPECT_EQ(help.ReadLine(seconds(10)),
              "Usage: quillon-gallery [--lang 1033|2052] [--screenshot DIR]");
    EXPECT_EQ(help.Wait(seconds(10)), 0);

    test::ChildProcess headless({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u",
                                 "QT_QPA_PLATFORM", "/bin/sh", "-c",
                                 std::string("exec '") + QUILLON_GALLERY + "' 2>&1"});
    const std::optional<std::string> line = headless.ReadLine(seconds(10));
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(line->rfind("quillon-gallery: no display", 0), 0u) << *line;
    EXPECT_EQ(headless.ReadLine(seconds(10)), std::nullopt) << "one line";
    EXPECT_EQ(headless.Wait(seconds(10)), 1);
}

}  // namespace
}  // namespace quillon
