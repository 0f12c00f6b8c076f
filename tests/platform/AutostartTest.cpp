#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Autostart.h"
#include "platform/DesktopExec.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using namespace std::chrono_literals;
using Arguments = std::vector<std::string>;

// The value after "Exec=" in the entry's text; empty when there is no Exec line.
std::string ExecValue(const std::string& entry) {
    const std::string key = "\nExec=";
    const size_t start = entry.find(key);
    if (start == std::string::npos) {
        return {};
    }
    const size_t from = start + key.size();
    return entry.substr(from, entry.find('\n', from) - from);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// An executable that writes its arguments, one a line, to `record` when it runs.
void WriteRecorder(const std::string& path, const std::string& record) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << record << "'\n";
    fs::permissions(path, fs::perms::owner_all);
}

TEST(DesktopExecTest, ArgumentsComeBackFromTheirExecValue) {
    const std::vector<Arguments> cases = {
        {"/usr/bin/quillon-mouse", "-hide"},
        {"/opt/Quillon Mouse/quillon-mouse", "-hide"},
        {"/home/a'b/$HOME/`x`/back\\slash/\"q\"/100%/x", "-hide"},
        {"/tmp/tab\there/semi;colon&(paren)*?#~<>|", ""},
        {"/tmp/new\nline", "-hide"},
    };
    for (const Arguments& arguments : cases) {
        const std::string value = DesktopExecValue(arguments);
        EXPECT_EQ(value.find('\n'), std::string::npos) << value;
        EXPECT_EQ(ParseDesktopExec(value), arguments) << value;
    }
}

TEST(DesktopExecTest, ValuesAreWrittenAsTheFormatSpellsThem) {
    EXPECT_EQ(DesktopExecValue({"/usr/bin/quillon-mouse", "-hide"}),
              "/usr/bin/quillon-mouse -hide");
    EXPECT_EQ(DesktopExecValue({"/opt/Quillon Mouse/q", "-hide"}),
              "\"/opt/Quillon Mouse/q\" -hide");
    // A backslash: escaped for the quotes, then again for the file's string escapes.
    EXPECT_EQ(DesktopExecValue({"/a\\b $c%"}), "\"/a\\\\\\\\b \\\\$c%%\"");
}

TEST(DesktopExecTest, MalformedValuesAreRefused) {
    for (const char* value :
         {"\"/opt/open quote", "/opt/two words$", "\"/bad\\qescape\"", "/semi;colon", "/it's"}) {
        EXPECT_EQ(ParseDesktopExec(value), std::nullopt) << value;
    }
    EXPECT_EQ(ParseDesktopExec("  /a   \"b c\"\t%f "), (Arguments{"/a", "b c", "%f"}));
}

class AutostartTest : public ::testing::Test {
  protected:
    std::string Entry() const {
        return home_.root().file("config/autostart/quillon-mouse.desktop");
    }

    test::IsolatedHome home_;
    // A program folder with a blank and characters a shell would read.
    std::string program_ = home_.root().file("Quillon Mouse $HOME's/bin/quillon mouse");
};

TEST_F(AutostartTest, OnWritesAnEntryWhoseExecRunsTheProgramHidden) {
    EXPECT_EQ(AutostartEntryPath(), Entry());
    EXPECT_FALSE(IsAutostartEnabled());
    ASSERT_TRUE(EnableAutostart(program_));
    EXPECT_TRUE(IsAutostartEnabled());
    const std::string entry = ReadFile(Entry());
    EXPECT_EQ(ParseDesktopExec(ExecValue(entry)), (Arguments{program_, "-hide"})) << entry;

    if (fs::exists("/usr/bin/desktop-file-validate")) {
        test::ChildProcess validate({"/usr/bin/desktop-file-validate", Entry()});
        ASSERT_TRUE(validate.started());
        EXPECT_EQ(validate.ReadLine(10s), std::nullopt) << "the validator has remarks";
        EXPECT_EQ(validate.Wait(10s), 0);
    }

    // GLib's launcher, which GNOME uses for autostart entries, runs the program with -hide.
    if (fs::exists("/usr/bin/gio")) {
        const std::string record = home_.root().file("arguments");
        WriteRecorder(program_, record);
        test::ChildProcess launch({"/usr/bin/gio", "launch", Entry()});
        ASSERT_TRUE(launch.started());
        EXPECT_EQ(launch.Wait(10s), 0);
        for (int i = 0; i < 500 && ReadFile(record).empty(); ++i) {
            std::this_thread::sleep_for(10ms);
        }
        EXPECT_EQ(ReadFile(record), "-hide\n");
    }
}

TEST_F(AutostartTest, OffRemovesTheEntryAndWithoutOneChangesNothing) {
    ASSERT_TRUE(EnableAutostart(program_));
    EXPECT_TRUE(DisableAutostart());
    EXPECT_FALSE(fs::exists(Entry()));
    EXPECT_FALSE(IsAutostartEnabled());

    // Off again: the other entries of the folder stay as they are.
    const std::string other = home_.root().file("config/autostart/other.desktop");
    std::ofstream(other) << "[Desktop Entry]\n";
    EXPECT_TRUE(DisableAutostart());
    EXPECT_EQ(ReadFile(other), "[Desktop Entry]\n");
    EXPECT_FALSE(IsAutostartEnabled());
}

TEST_F(AutostartTest, OnWithoutAWritableFolderFails) {
    // A file where the autostart folder belongs.
    std::ofstream(home_.root().file("config/autostart")) << "x";
    EXPECT_FALSE(EnableAutostart(program_));
    EXPECT_FALSE(IsAutostartEnabled());
}

}  // namespace
}  // namespace quillon
