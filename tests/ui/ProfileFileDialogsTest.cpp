#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "input/FunctionCatalogue.h"
#include "platform/InstanceMessage.h"
#include "platform/LanguageTable.h"
#include "store/ProfileFile.h"
#include "ui/ButtonPageFixture.h"
#include "ui/FileDialogs.h"

namespace quillon {
namespace {

using namespace button_page;
using test::ButtonPageFixture;

// What a profile holds that a profile file carries: its rows without their ids, and its values.
struct ProfileState {
    std::vector<std::tuple<int, int, int, int, int, std::string>> rows;
    std::vector<std::string> values;
    bool operator==(const ProfileState&) const = default;
};

class ProfileFileDialogsTest : public ButtonPageFixture {
  protected:
    ProfileState StateOf(int profile) {
        ProfileState state;
        std::vector<KeyAssignment> rows;
        host.store.LoadKeyAssignments(profile, rows);
        for (const KeyAssignment& row : rows) {
            state.rows.emplace_back(row.key_code, row.macro_type, row.macro_value, row.macro_value2,
                                    row.macro_value3, row.macro_desc);
        }
        for (const std::string& key : ProfileFileKeys()) {
            std::string value;
            host.store.GetValue(profile, key, value);
            state.values.push_back(value);
        }
        return state;
    }
    std::string PathOf(const std::string& name) const {
        return host.dataFolder.path() + "/" + name;
    }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(PathOf(name), std::ios::binary) << text;
    }
    void SwitchTo(int profile) {
        host.SetActiveProfile(profile);
        page->Refresh();
    }
};

TEST_F(ProfileFileDialogsTest, AnExportedProfileImportedIntoAnotherGivesIdenticalRows) {
    Store(2, kFnKey, 0x04, kModCtrl | kModShift, "Shift+ Ctrl + A");
    Store(4, kFnEmoji, 7, 0, "表情: 害羞");
    Store(6, kFnDevice55, 1, 0, "90");
    Choose(6, kFnDpiCycle);
    host.store.SetValue(1, "dpi_group2_value", "4200");
    host.store.SetValue(1, "button_respondtime", "9");
    const ProfileState exported = StateOf(1);
    ASSERT_NE(exported, StateOf(2));

    ScopedFileAnswers answers({PathOf("one.xml")});
    host.Click(kExportProfile);
    SwitchTo(2);
    answers.Add(PathOf("one.xml"));
    host.tasks.clear();
    host.Click(kImportProfile);

    EXPECT_EQ(StateOf(2), exported);
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::SwitchProfile});
    EXPECT_TRUE(host.textBoxes.empty());
    const std::vector<FileQuestion> questions = answers.Questions();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[0].save);
    EXPECT_EQ(questions[0].filter, "Profile (*.xml)");
    EXPECT_EQ(questions[0].defaultName, GetText(800) + ".xml");
    EXPECT_EQ(questions[0].title, GetText(114));
    EXPECT_FALSE(questions[1].save);
    EXPECT_EQ(questions[1].filter, "MouseKey (*.xml)");
    EXPECT_EQ(questions[1].title, GetText(113));
}

TEST_F(ProfileFileDialogsTest, TheProfileFileMessageExportsTheNamedProfileAndImports) {
    Store(3, kFnDisabled, 1, 0, "162");
    SwitchTo(4);
    ScopedFileAnswers answers({PathOf("four.xml")});
    std::intptr_t result = 0;
    ASSERT_TRUE(page->OnWindowMessage(MSG_PROFILE_FILE, kProfileFileExport, 1, result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(answers.Questions().at(0).defaultName, GetText(800) + ".xml");

    answers.Add(PathOf("four.xml"));
    ASSERT_TRUE(page->OnWindowMessage(MSG_PROFILE_FILE, kProfileFileImport, 0, result));
    EXPECT_EQ(StateOf(4).rows, StateOf(1).rows);
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::SwitchProfile});

    // Nothing to do: wParam 0, a profile that does not exist.
    ASSERT_TRUE(page->OnWindowMessage(MSG_PROFILE_FILE, 0, 0, result));
    ASSERT_TRUE(page->OnWindowMessage(MSG_PROFILE_FILE, kProfileFileExport, 9, result));
    EXPECT_EQ(answers.Questions().size(), 2u);
    EXPECT_FALSE(page->OnWindowMessage(MSG_PROFILE_FILE + 1, 1, 0, result));
}

TEST_F(ProfileFileDialogsTest, ButtonsWhoseMacroIsNotHereAreImportedAndNamed) {
    const int macro = host.store.AddMacro("Combo");
    Store(4, kFnMacro, macro, 0, "Combo");
    Store(5, kFnMacro, macro, 0, "Combo");
    ScopedFileAnswers answers({PathOf("macros.xml")});
    host.Click(kExportProfile);
    ASSERT_TRUE(host.store.RemoveMacro(macro));
    SwitchTo(2);
    answers.Add(PathOf("macros.xml"));
    host.Click(kImportProfile);

    EXPECT_EQ(StateOf(2).rows, StateOf(1).rows) << "the rows are kept for the macro to follow";
    ASSERT_EQ(host.textBoxes.size(), 1u);
    EXPECT_EQ(host.textBoxes[0].text, GetText(118) + " 4, 5");
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::SwitchProfile});
}

TEST_F(ProfileFileDialogsTest, ACancelledDialogDoesNothing) {
    Store(2, kFnDisabled, 1, 0, "162");
    const ProfileState before = StateOf(1);
    ScopedFileAnswers answers({"", ""});
    host.Click(kImportProfile);
    host.Click(kExportProfile);
    EXPECT_EQ(StateOf(1), before);
    EXPECT_TRUE(host.tasks.empty());
    EXPECT_TRUE(host.textBoxes.empty());
}

TEST_F(ProfileFileDialogsTest, ARefusedFileIsNamedInAMessageAndNothingIsStored) {
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    struct Case {
        const char* name;
        std::string text;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"malformed.xml", head + "<profile><profileinfo name=\"x\">", "well-formed"},
        {"macro.xml", head + "<macro/>\r\n", "not a profile"},
        {"stage.xml",
         head + "<profile>\r\n<profileinfo name=\"x\">\r\n<keyitems/>\r\n"
                "<Mouse_DPI dpi_flag=\"0\" dpi_index=\"9\" dpi_count=\"6\"/>\r\n"
                "</profileinfo>\r\n</profile>\r\n",
         "dpi_index"},
        {"emoji.xml",
         head + "<profile>\r\n<profileinfo name=\"x\">\r\n<keyitems>\r\n"
                "<item key_code=\"2\" macro_type=\"27\" macro_value=\"500\" macro_value2=\"0\" "
                "macro_value3=\"0\" macro_desc=\"x\"/>\r\n</keyitems>\r\n</profileinfo>\r\n"
                "</profile>\r\n",
         "macro_value 500"},
        {"missing.xml", {}, "cannot read"},
    };
    Store(2, kFnWheelUp, 1, 0, "127");
    const ProfileState before = StateOf(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.text.empty()) {
            Write(c.name, c.text);
        }
        host.textBoxes.clear();
        ScopedFileAnswers answers({PathOf(c.name)});
        host.Click(kImportProfile);
        ASSERT_EQ(host.textBoxes.size(), 1u);
        EXPECT_EQ(host.textBoxes[0].titleId, kImportText);
        EXPECT_EQ(host.textBoxes[0].text.rfind(GetText(kImportRefusedText), 0), 0u);
        EXPECT_NE(host.textBoxes[0].text.find(c.reasonPart), std::string::npos)
            << host.textBoxes[0].text;
        EXPECT_EQ(StateOf(1), before);
        EXPECT_TRUE(host.tasks.empty());
    }
}

TEST_F(ProfileFileDialogsTest, AnExportThatCannotBeWrittenSaysSo) {
    ScopedFileAnswers answers({PathOf("no-such-folder/one.xml")});
    host.Click(kExportProfile);
    ASSERT_EQ(host.textBoxes.size(), 1u);
    EXPECT_EQ(host.textBoxes[0].titleId, kExportText);
    EXPECT_NE(host.textBoxes[0].text.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace quillon
