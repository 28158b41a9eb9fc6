// The dialog manager: radio groups, focus and Tab, Enter and Escape,
// mnemonics, and the close box, on a small dialog of our own.

#include "PlatformTest.h"

using namespace test_ids;
using platform::Key;
using platform::Modifiers;

namespace {

class DialogManagerTest : public PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    }
    platform::Window& item(int id) { return Item(dlg, id); }

    SampleDlg dlg;
};

TEST_F(DialogManagerTest, ClickingARadioButtonChecksItUnchecksItsGroupThenNotifies)
{
    dlg.CheckDlgButton(IDC_SMALL, BST_CHECKED);
    dlg.CheckDlgButton(IDC_GREEN, BST_CHECKED);

    EXPECT_TRUE(platform::Click(item(IDC_RED)));

    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_GREEN), BST_UNCHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SMALL), BST_CHECKED) << "another group is left alone";
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"red, checked"})) << "the check comes before the notification";
    EXPECT_EQ(platform::GetFocus(), &item(IDC_RED)) << "a click gives the control the focus";

    platform::Click(item(IDC_LARGE));  // Push-like radio buttons behave the same way.
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SMALL), BST_UNCHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_LARGE), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_CHECKED);
}

TEST_F(DialogManagerTest, RadioGroupsRunFromOneGroupControlToTheNext)
{
    auto ids = [](const std::vector<platform::Window*>& group) {
        std::vector<int> result;
        for (const platform::Window* w : group)
            result.push_back(w->Id());
        return result;
    };
    EXPECT_EQ(ids(platform::GroupOf(item(IDC_GREEN))), (std::vector<int>{IDC_COLOUR_LABEL, IDC_RED, IDC_GREEN, IDC_BLUE}));
    EXPECT_EQ(ids(platform::GroupOf(item(IDC_SMALL))), (std::vector<int>{IDC_SMALL, IDC_LARGE}));
    EXPECT_EQ(ids(platform::GroupOf(item(IDCANCEL))), (std::vector<int>{IDCANCEL}));
}

TEST_F(DialogManagerTest, DisabledAndHiddenControlsTakeNoInput)
{
    dlg.GetDlgItem(IDC_APPLY)->EnableWindow(FALSE);
    EXPECT_FALSE(platform::Click(item(IDC_APPLY)));
    EXPECT_FALSE(platform::Click(item(IDC_HIDDEN)));
    dlg.GetDlgItem(IDC_RED)->ShowWindow(SW_HIDE);
    EXPECT_FALSE(platform::Click(item(IDC_RED)));
    EXPECT_TRUE(dlg.log.empty());

    // A hidden radio button keeps its check and its text.
    dlg.CheckDlgButton(IDC_RED, BST_CHECKED);
    dlg.GetDlgItem(IDC_RED)->ShowWindow(SW_SHOW);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_CHECKED);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_RED), "&Red");
}

TEST_F(DialogManagerTest, FocusStartsOnTheFirstTabStopAndTabWalksTheVisibleEnabledOnes)
{
    EXPECT_EQ(platform::GetFocus(), &item(IDCANCEL));
    platform::PressKey(*dlg.m_hWnd, Key::Tab);
    EXPECT_EQ(platform::GetFocus(), &item(IDC_NAME));
    platform::PressKey(*dlg.m_hWnd, Key::Tab);
    EXPECT_EQ(platform::GetFocus(), &item(IDC_APPLY));
    platform::PressKey(*dlg.m_hWnd, Key::Tab);  // The hidden button is skipped; it wraps.
    EXPECT_EQ(platform::GetFocus(), &item(IDCANCEL));
    platform::PressKey(*dlg.m_hWnd, Key::Tab, Modifiers::Shift);
    EXPECT_EQ(platform::GetFocus(), &item(IDC_APPLY));

    dlg.GetDlgItem(IDC_NAME)->EnableWindow(FALSE);
    platform::PressKey(*dlg.m_hWnd, Key::Tab);
    platform::PressKey(*dlg.m_hWnd, Key::Tab);
    EXPECT_EQ(platform::GetFocus(), &item(IDC_APPLY));
}

TEST_F(DialogManagerTest, EnterPressesTheFocusedPushButtonElseSendsOk)
{
    platform::SetFocus(&item(IDC_APPLY));
    platform::PressKey(*dlg.m_hWnd, Key::Enter);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"apply"})) << "only the first map entry for a command runs";

    // With the focus on a radio button and no default push button, Enter is IDOK.
    platform::Click(item(IDC_BLUE));
    dlg.log.clear();
    platform::PressKey(*dlg.m_hWnd, Key::Enter);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"OnOK"}));
    EXPECT_FALSE(dlg.IsWindowVisible()) << "ending a modeless dialog only hides it";
    EXPECT_TRUE(platform::IsWindow(dlg.m_hWnd));
}

TEST_F(DialogManagerTest, EnterInAnEditWithoutWantReturnPressesTheDefaultButton)
{
    CDialog tool(IDD_TOOL, &dlg);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &dlg));
    platform::SetFocus(&Item(tool, IDC_NAME));
    platform::PressKey(*tool.m_hWnd, Key::Enter);
    EXPECT_FALSE(tool.IsWindowVisible());
}

TEST_F(DialogManagerTest, EscapeAndTheCloseBoxSendCancelUnlessCancelIsDisabled)
{
    platform::PressKey(*dlg.m_hWnd, Key::Escape);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"OnCancel"}));

    dlg.ShowWindow(SW_SHOW);
    dlg.log.clear();
    EXPECT_TRUE(platform::PressCloseBox(*dlg.m_hWnd));
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"syscommand " + std::to_string(SC_CLOSE), "OnCancel"}));

    dlg.ShowWindow(SW_SHOW);
    dlg.log.clear();
    dlg.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    platform::PressKey(*dlg.m_hWnd, Key::Escape);
    EXPECT_TRUE(dlg.log.empty());
    EXPECT_EQ(host().Beeps(), 1);
}

TEST_F(DialogManagerTest, MnemonicsClickButtonsAndLabelsMoveTheFocus)
{
    struct Case {
        char letter;
        std::vector<std::string> log;
        int focus;
    };
    const Case cases[] = {
        {'a', {"apply"}, IDC_APPLY},
        {'R', {"red, checked"}, IDC_RED},
        {'l', {}, IDC_NAME},  // "Co&lour" is a label: the focus goes to the next tab stop.
        {'n', {}, IDC_NAME},
        {'h', {}, IDC_NAME},  // The hidden button's letter does nothing.
        {'d', {}, IDC_NAME},  // "R&D" shows its text literally: no mnemonic.
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.letter));
        dlg.log.clear();
        platform::SetFocus(&item(IDCANCEL));
        const bool taken = platform::PressCharacter(*dlg.m_hWnd, c.letter, Modifiers::Alt);
        EXPECT_EQ(dlg.log, c.log);
        if (taken) {
            EXPECT_EQ(platform::GetFocus(), &item(c.focus));
        }
    }
    EXPECT_EQ(item(IDC_LITERAL).Text(), "R&D");

    // Without Alt, an edit control keeps the letter.
    dlg.log.clear();
    platform::SetFocus(&item(IDC_NAME));
    EXPECT_FALSE(platform::PressCharacter(*dlg.m_hWnd, 'a'));
    EXPECT_TRUE(dlg.log.empty());
}

TEST_F(DialogManagerTest, ArrowKeysMoveWithinARadioGroupAndCheck)
{
    platform::Click(item(IDC_RED));
    platform::PressKey(*dlg.m_hWnd, Key::Down);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_GREEN), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_UNCHECKED);
    platform::PressKey(*dlg.m_hWnd, Key::Down);
    platform::PressKey(*dlg.m_hWnd, Key::Down);  // Wraps past the label to Red.
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RED), BST_CHECKED);
    platform::PressKey(*dlg.m_hWnd, Key::Up);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_BLUE), BST_CHECKED);
}

}  // namespace
