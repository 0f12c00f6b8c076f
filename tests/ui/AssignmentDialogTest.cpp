#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "input/EmojiTable.h"
#include "input/FunctionCatalogue.h"
#include "platform/LanguageTable.h"
#include "support/QtInput.h"
#include "ui/ButtonPageFixture.h"
#include "ui/MouseKeyConfigIds.h"
#include "ui/toolkit/CCheckButton.h"
#include "ui/toolkit/EmojiControl.h"
#include "ui/toolkit/MEdit.h"

namespace quillon {
namespace {

using namespace key_dialog;
using test::ButtonPageFixture;

class AssignmentDialogTest : public ButtonPageFixture {
  protected:
    static MControl& Control(MDialog& dialog, int id) {
        MControl* control = dialog.GetControl(id);
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
    static void ClickControl(MDialog& dialog, int id) { test::Click(Control(dialog, id)); }
    static QLineEdit& KeyField(MDialog& dialog) {
        return *Control(dialog, kKeyField).View()->findChild<QLineEdit*>();
    }
    static void Press(MDialog& dialog, Qt::Key key) { QTest::keyClick(&KeyField(dialog), key); }
    static void Tick(MDialog& dialog, int id, bool on) {
        static_cast<CCheckButton&>(Control(dialog, id)).SetCheck(on);
    }
};

TEST_F(AssignmentDialogTest, AStoredShortcutConfirmedAtOnceIsKept) {
    Store(4, kFnKey, 0x04, kModCtrl, "Ctrl + A");
    page->Refresh();
    ChooseWithDialog(3, kFnKey, [](MouseKeyConfigDlg& dialog) {
        EXPECT_EQ(dialog.GetClientRect(), (MRect{0, 0, 400, 260}));
        EXPECT_EQ(Control(dialog, kTitle).GetTitle(), GetText(160));
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "A");
        EXPECT_TRUE(static_cast<CCheckButton&>(Control(dialog, kCtrl)).GetCheck());
        EXPECT_FALSE(static_cast<CCheckButton&>(Control(dialog, kShift)).GetCheck());
        EXPECT_TRUE(Control(dialog, kKeyField).IsVisible());
        EXPECT_FALSE(Control(dialog, kValueList).IsVisible());
        EXPECT_FALSE(Control(dialog, kEmoji).IsVisible());
        EXPECT_FALSE(dialog.View()->testAttribute(Qt::WA_InputMethodEnabled));
        EXPECT_FALSE(KeyField(dialog).hasFocus()) << "opening must not start a capture";
        ClickControl(dialog, kOk);
    });
    KeyAssignment row = Stored(4);
    EXPECT_EQ(row.macro_type, kFnKey);
    EXPECT_EQ(row.macro_value, 0x04);
    EXPECT_EQ(row.macro_value2, kModCtrl);
    EXPECT_EQ(row.macro_desc, "Ctrl + A");
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::ApplyToDevice});
    EXPECT_EQ(List(3).GetShowText(), "Ctrl + A");
}

TEST_F(AssignmentDialogTest, FocusingTheKeyFieldClearsItAndOkThenStoresNoRow) {
    Store(4, kFnKey, 0x04, 0, "A");
    ChooseWithDialog(3, kFnKey, [](MouseKeyConfigDlg& dialog) {
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "A");
        test::Focus(Control(dialog, kKeyField));
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "");
        ClickControl(dialog, kOk);
    });
    EXPECT_FALSE(HasRow(4));
    EXPECT_EQ(List(3).GetCurData(), kFnForward) << "back to the default";
    EXPECT_EQ(host.tasks, std::vector<DeviceTask>{DeviceTask::ApplyToDevice});
}

TEST_F(AssignmentDialogTest, CapturedKeysShowTheirNamesAndModifiersAloneChangeNothing) {
    ChooseWithDialog(5, kFnKey, [](MouseKeyConfigDlg& dialog) {
        test::Focus(Control(dialog, kKeyField));
        Press(dialog, Qt::Key_Shift);
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "");
        Press(dialog, Qt::Key_A);
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "A");
        for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta}) {
            Press(dialog, modifier);
        }
        EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), "A");
        EXPECT_EQ(KeyField(dialog).text(), "A") << "the field shows the name, never the typing";
        Tick(dialog, kShift, true);
        Tick(dialog, kCtrl, true);
        ClickControl(dialog, kOk);
    });
    KeyAssignment row = Stored(7);
    EXPECT_EQ(row.macro_value, 0x04);
    EXPECT_EQ(row.macro_value2, kModShift | kModCtrl);
    EXPECT_EQ(row.macro_desc, "Shift+ Ctrl + A");
}

TEST_F(AssignmentDialogTest, TabEnterAndTheKeypadAreKeysLikeAnyOther) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int usage;
        const char* name;
    };
    const Case cases[] = {
        {Qt::Key_Tab, {}, 0x2B, nullptr},
        {Qt::Key_Return, {}, 0x28, nullptr},
        {Qt::Key_Enter, Qt::KeypadModifier, 0x58, "REnter"},
        {Qt::Key_5, Qt::KeypadModifier, 0x5D, nullptr},
        {Qt::Key_F5, {}, 0x3E, nullptr},
    };
    for (const Case& c : cases) {
        ChooseWithDialog(6, kFnKey, [&c](MouseKeyConfigDlg& dialog) {
            test::Focus(Control(dialog, kKeyField));
            QTest::keyClick(&KeyField(dialog), c.key, c.modifiers);
            if (c.name != nullptr) {
                EXPECT_EQ(Control(dialog, kKeyField).GetTitle(), c.name);
            }
            EXPECT_FALSE(Control(dialog, kKeyField).GetTitle().empty());
            ClickControl(dialog, kOk);
        });
        EXPECT_EQ(Stored(8).macro_value, c.usage) << "usage " << c.usage;
    }
}

TEST_F(AssignmentDialogTest, TheCloseButtonStoresNothingButThePageRefreshesAndApplies) {
    Store(4, kFnWheelUp, 1, 0, "127");
    page->Refresh();
    ChooseWithDialog(3, kFnMultimedia,
                     [](MouseKeyConfigDlg& dialog) { ClickControl(dialog, kClose); });
    // Closed in the middle of a capture, too.
    ChooseWithDialog(3, kFnKey, [](MouseKeyConfigDlg& dialog) {
        test::Focus(Control(dialog, kKeyField));
        Press(dialog, Qt::Key_B);
        ClickControl(dialog, kClose);
    });
    KeyAssignment row = Stored(4);
    EXPECT_EQ(row.macro_type, kFnWheelUp);
    EXPECT_EQ(List(3).GetCurData(), kFnWheelUp) << "the list shows the stored function again";
    EXPECT_EQ(host.tasks,
              (std::vector<DeviceTask>{DeviceTask::ApplyToDevice, DeviceTask::ApplyToDevice}));
}

TEST_F(AssignmentDialogTest, ValueListsOfferTheirCommandsAndStoreTheChosenOne) {
    const int macro = host.store.AddMacro("Custom 1");
    struct Case {
        int type;
        int titleText;
        std::vector<int> values;  // item data in dialog order
        int pick;                 // position chosen
        std::string storedText;
    };
    const Case cases[] = {
        {kFnMultimedia, 163, {2, 3, 4, 5, 6, 7, 8}, 4, "175"},
        {kFnSystem, 164, {1, 2, 3, 5, 4, 7, 6, 9, 10, 11, 12, 13}, 3, GetText(188)},
        {kFnSystem, 164, {1, 2, 3, 5, 4, 7, 6, 9, 10, 11, 12, 13}, 4, "189"},
        {kFnMacro, 161, {macro}, 0, "Custom 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " pick " << c.pick);
        ChooseWithDialog(1, c.type, [&c](MouseKeyConfigDlg& dialog) {
            EXPECT_EQ(Control(dialog, kTitle).GetTitle(), GetText(c.titleText));
            auto& list = static_cast<MComboBox&>(Control(dialog, kValueList));
            EXPECT_TRUE(list.IsVisible());
            EXPECT_FALSE(Control(dialog, kKeyField).IsVisible());
            ASSERT_EQ(list.GetCount(), static_cast<int>(c.values.size()));
            for (size_t i = 0; i < c.values.size(); ++i) {
                EXPECT_EQ(list.GetItemData(static_cast<int>(i)), c.values[i]) << i;
            }
            list.SetCurSel(c.pick);
            ClickControl(dialog, kOk);
        });
        KeyAssignment row = Stored(2);
        EXPECT_EQ(row.macro_type, c.type);
        EXPECT_EQ(row.macro_value, c.values[static_cast<size_t>(c.pick)]);
        EXPECT_EQ(row.macro_desc, c.storedText);

        // Opened again on that assignment, the dialog starts on the stored value.
        ChooseWithDialog(1, c.type, [&c](MouseKeyConfigDlg& dialog) {
            auto& list = static_cast<MComboBox&>(Control(dialog, kValueList));
            EXPECT_EQ(list.GetCurSel(), c.pick);
            ClickControl(dialog, kClose);
        });
    }
}

TEST_F(AssignmentDialogTest, AMacroDialogWithoutMacrosStoresNothing) {
    Store(2, kFnWheelUp, 1, 0, "127");
    ChooseWithDialog(1, kFnMacro, [](MouseKeyConfigDlg& dialog) {
        EXPECT_EQ(static_cast<MComboBox&>(Control(dialog, kValueList)).GetCount(), 0);
        ClickControl(dialog, kOk);
    });
    EXPECT_EQ(Stored(2).macro_type, kFnWheelUp);
}

TEST_F(AssignmentDialogTest, TheEmojiGridOffersAllEntriesAndTheKeyboardMovesItsSelection) {
    Store(4, kFnEmoji, 40, 0, "表情: 左哼哼");
    ScopedModalHandler handler([](MDialog& d) {
        auto& dialog = dynamic_cast<MouseKeyConfigDlg&>(d);
        EXPECT_EQ(dialog.GetClientRect(), (MRect{0, 0, 600, 650}));
        EXPECT_EQ(Control(dialog, kTitle).GetTitle(), "微信表情");
        auto& function = static_cast<MComboBox&>(Control(dialog, kFunction));
        EXPECT_EQ(function.GetShowText(), "表情符号");
        auto& grid = static_cast<EmojiControl&>(Control(dialog, kEmoji));
        EXPECT_TRUE(grid.IsVisible());
        ASSERT_EQ(grid.GetItemCount(), kEmojiCount);
        EXPECT_EQ(grid.GetItemData(0), 1);
        EXPECT_EQ(grid.GetItemText(25), "表情: 流汗");
        for (int entry : {0, 108}) {
            EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(
                Manager::ImagePath(EmojiPicturePath(grid.GetItemData(entry))))))
                << "picture of entry " << entry;
        }
        EXPECT_EQ(grid.GetCurSel(), 39) << "the stored emoji";
        // All eleven rows fit: the last entry can be pointed at without scrolling.
        const MRect rect = grid.GetRect();
        const int cell = rect.Width() / 10;
        EXPECT_GE(rect.Height(), cell * 11);
        EXPECT_LE(rect.bottom, Control(dialog, kOk).GetRect().top);

        // Pointing at an entry names it.
        QHelpEvent hint(QEvent::ToolTip, QPoint(cell * 5 + cell / 2, cell / 2),
                        grid.View()->mapToGlobal(QPoint(cell * 5 + cell / 2, cell / 2)));
        QApplication::sendEvent(grid.View(), &hint);
        EXPECT_EQ(QToolTip::text().toStdString(), "表情: " + EmojiPickerName(6));
        QToolTip::hideText();

        grid.View()->setFocus();
        QTest::keyClick(grid.View(), Qt::Key_Right);
        QTest::keyClick(grid.View(), Qt::Key_Down);
        EXPECT_EQ(grid.GetCurSel(), 50);
        QTest::keyClick(grid.View(), Qt::Key_End);
        EXPECT_EQ(grid.GetCurSel(), 108);
        QTest::keyClick(grid.View(), Qt::Key_Down);
        EXPECT_EQ(grid.GetCurSel(), 108) << "stays on the last entry";
        QTest::keyClick(grid.View(), Qt::Key_Up);
        ClickControl(dialog, kOk);
    });
    // No list offers the emoji function; the dialog opens for it all the same.
    MouseKeyConfigDlg dialog(host.store, host.activeProfile, 4, kFnEmoji);
    EXPECT_EQ(dialog.Run(host.Dialog()), kIdOk);
    EXPECT_EQ(handler.Runs(), 1);
    KeyAssignment row = Stored(4);
    EXPECT_EQ(row.macro_type, kFnEmoji);
    EXPECT_EQ(row.macro_value, 99);
    EXPECT_EQ(row.macro_desc, "表情: " + EmojiPickerName(99));
}

}  // namespace
}  // namespace quillon
