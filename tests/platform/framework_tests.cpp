// The framework layer: message maps and their chain up to the application,
// modal and modeless runs, menus, data exchange, dialog units, the Open
// dialog, and the lifetime of windows and their objects.

#include "PlatformTest.h"

using namespace test_ids;

namespace {

using FrameworkTest = PlatformTest;

TEST(DialogUnits, EachEdgeIsScaledAndRoundedBeforeTheSizeFollows)
{
    struct Case {
        RECT dlu;
        platform::BaseUnits units;
        RECT pixels;
    };
    const Case cases[] = {
        {{0, 0, 4, 8}, {6, 13}, {0, 0, 6, 13}},
        {{1, 1, 2, 2}, {6, 13}, {2, 2, 3, 3}},  // 1.5 and 1.625 round up; 3 and 3.25 land on 3.
        {{296, 169, 376, 183}, {6, 13}, {444, 275, 564, 297}},
        {{10, 20, 110, 70}, {7, 16}, {18, 40, 193, 140}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::DialogUnitsToPixels(c.dlu, c.units), c.pixels);
}

TEST_F(FrameworkTest, UnhandledCommandsGoOnToTheApplication)
{
    SampleDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    app.m_pMainWnd = &dlg;

    EXPECT_TRUE(platform::ChooseMenuItem(*dlg.m_hWnd, ID_NOBODY));
    EXPECT_EQ(app.log, (std::vector<std::string>{"app: nobody"}));

    // F1 becomes the Help command, which the dialog leaves to the application.
    platform::PressKey(*dlg.m_hWnd, platform::Key::F1);
    ASSERT_EQ(host().MessageBoxes().size(), 1u);
    EXPECT_EQ(host().MessageBoxes()[0].caption, "sampler");
    EXPECT_EQ(host().MessageBoxes()[0].text, "Cannot find the help file sampler.HLP.");
    EXPECT_EQ(host().MessageBoxes()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_TRUE(dlg.log.empty());
}

TEST_F(FrameworkTest, DoModalDisablesOnlyItsOwnerAndReturnsTheEndCode)
{
    SampleDlg main;
    ASSERT_TRUE(main.Create(IDD_SAMPLE));
    app.m_pMainWnd = &main;
    CDialog tool(IDD_TOOL, &main);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &main));

    bool ownerDisabled = false;
    bool toolEnabled = false;
    host().QueueModalResponder([&](platform::Window& box) {
        ownerDisabled = !main.IsWindowEnabled();
        toolEnabled = tool.IsWindowEnabled() && platform::AcceptsInput(Item(tool, IDOK));
        EXPECT_FALSE(platform::Click(Item(main, IDC_APPLY))) << "the owner takes no input meanwhile";
        platform::Click(*box.ChildById(IDOK));
    });
    CDialog box(IDD_BOX);  // No parent: the main window owns it.
    EXPECT_EQ(box.DoModal(), IDOK);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(toolEnabled);
    EXPECT_TRUE(main.IsWindowEnabled());
    EXPECT_EQ(box.m_hWnd, nullptr) << "the modal run destroys its window";
    EXPECT_TRUE(main.log.empty());

    // With no responder, the run ends as if Escape were pressed.
    EXPECT_EQ(box.DoModal(), IDCANCEL);
    EXPECT_EQ(host().ModalRuns(), (std::vector<int>{static_cast<int>(IDD_BOX), static_cast<int>(IDD_BOX)}));
}

TEST_F(FrameworkTest, DialogsArePlacedByTheirTemplates)
{
    SampleDlg main;
    ASSERT_TRUE(main.Create(IDD_SAMPLE));
    CDialog tool(IDD_TOOL, &main);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &main));
    RECT mainRect, toolRect;
    main.GetWindowRect(&mainRect);
    tool.GetWindowRect(&toolRect);
    // No centring: the template's (10, 20) from the owner's client origin.
    EXPECT_EQ(toolRect.left - mainRect.left, 15);
    EXPECT_EQ(toolRect.top - mainRect.top, 33);
    RECT client;
    tool.GetClientRect(&client);
    EXPECT_EQ(client, (RECT{0, 0, 150, 81}));

    RECT boxRect{};
    host().QueueModalResponder([&](platform::Window& box) { boxRect = box.Rect(); });
    CDialog box(IDD_BOX, &main);
    box.DoModal();
    EXPECT_EQ(boxRect, (RECT{437, 351, 587, 416})) << "centred in the work area";
}

class SelfDeletingDlg : public CDialog {
public:
    SelfDeletingDlg(CWnd* parent, int& deletions) : CDialog(IDD_TOOL, parent), m_deletions(deletions) {}
    ~SelfDeletingDlg() override { ++m_deletions; }

protected:
    void OnOK() override { DestroyWindow(); }
    void PostNcDestroy() override
    {
        m_pParentWnd->SendMessage(WM_TOOL_GONE);
        delete this;
    }

private:
    int& m_deletions;
};

TEST_F(FrameworkTest, OwnedWindowsGoWithTheirOwnerAndObjectsMayDeleteThemselves)
{
    int deletions = 0;
    auto main = std::make_unique<SampleDlg>();
    ASSERT_TRUE(main->Create(IDD_SAMPLE));

    auto* first = new SelfDeletingDlg(main.get(), deletions);
    first->Create(IDD_TOOL, main.get());
    platform::Window* firstWindow = first->m_hWnd;
    platform::Click(Item(*first, IDOK));  // Its handler destroys the window and the object.
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(platform::IsWindow(firstWindow));

    EXPECT_EQ(main->log, (std::vector<std::string>{"tool gone"}));

    auto* second = new SelfDeletingDlg(main.get(), deletions);
    second->Create(IDD_TOOL, main.get());
    platform::Window* secondWindow = second->m_hWnd;
    main->DestroyWindow();  // The owned window goes first, and its owner still hears from it.
    EXPECT_EQ(deletions, 2);
    EXPECT_FALSE(platform::IsWindow(secondWindow));
    EXPECT_EQ(main->log, (std::vector<std::string>{"tool gone", "tool gone"}));
    EXPECT_TRUE(platform::TopLevelWindows().empty());

    auto* third = new SelfDeletingDlg(main.get(), deletions);
    ASSERT_TRUE(main->Create(IDD_SAMPLE));
    third->Create(IDD_TOOL, main.get());
    main.reset();  // The owner's object takes its window, and the owned window with it.
    EXPECT_EQ(deletions, 3);
    EXPECT_TRUE(platform::TopLevelWindows().empty());
}

TEST_F(FrameworkTest, MenuItemsAreFoundByCommandInEveryPopup)
{
    SampleDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    CMenu* menu = dlg.GetMenu();
    ASSERT_NE(menu, nullptr);

    EXPECT_EQ(menu->GetMenuState(ID_VIEW_TWO, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_FALSE(platform::ChooseMenuItem(*dlg.m_hWnd, ID_VIEW_TWO)) << "a grayed item sends nothing";
    EXPECT_EQ(menu->EnableMenuItem(ID_VIEW_TWO, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu->EnableMenuItem(ID_VIEW_ONE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu->EnableMenuItem(12345, MF_BYCOMMAND | MF_GRAYED), MENU_NOT_FOUND);
    EXPECT_EQ(menu->GetMenuState(ID_VIEW_ONE, MF_BYCOMMAND), MF_GRAYED);

    EXPECT_TRUE(menu->CheckMenuRadioItem(ID_VIEW_ONE, ID_VIEW_THREE, ID_VIEW_THREE, MF_BYCOMMAND));
    EXPECT_EQ(menu->GetMenuState(ID_VIEW_THREE, MF_BYCOMMAND), MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_TRUE(menu->CheckMenuRadioItem(ID_VIEW_ONE, ID_VIEW_THREE, ID_VIEW_TWO, MF_BYCOMMAND));
    EXPECT_EQ(menu->GetMenuState(ID_VIEW_THREE, MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu->GetMenuState(ID_VIEW_TWO, MF_BYCOMMAND), MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_EQ(menu->GetMenuState(ID_VIEW_ONE, MF_BYCOMMAND), MF_GRAYED) << "its grayed state is kept";

    EXPECT_EQ(menu->GetMenuItemCount(), 2);
    EXPECT_EQ(menu->GetMenuString(1, MF_BYPOSITION), "&View");
    ASSERT_NE(menu->GetSubMenu(0), nullptr);
    EXPECT_EQ(menu->GetSubMenu(0)->GetMenuItemID(0), ID_FILE_QUIT);
}

TEST_F(FrameworkTest, TheSystemMenuFollowsTheStyleAndSendsSystemCommands)
{
    SampleDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    CMenu* sys = dlg.GetSystemMenu(FALSE);
    ASSERT_NE(sys, nullptr);
    std::vector<UINT> ids;
    for (int i = 0; i < sys->GetMenuItemCount(); ++i)
        ids.push_back(sys->GetMenuItemID(i));
    EXPECT_EQ(ids, (std::vector<UINT>{SC_RESTORE, SC_MOVE, SC_MINIMIZE, 0, SC_CLOSE}));
    EXPECT_EQ(sys->GetMenuState(SC_RESTORE, MF_BYCOMMAND), MF_GRAYED);

    sys->AppendMenu(MF_SEPARATOR);
    sys->AppendMenu(MF_STRING, 0x20, "&Extra");
    EXPECT_EQ(sys->GetMenuState(5, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, 0x20));
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_MINIMIZE));
    EXPECT_TRUE(dlg.IsIconic());
    EXPECT_EQ(sys->GetMenuState(SC_RESTORE, MF_BYCOMMAND), MF_ENABLED);
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_RESTORE));
    EXPECT_FALSE(dlg.IsIconic());
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"syscommand 32", "syscommand " + std::to_string(SC_MINIMIZE),
                                                  "syscommand " + std::to_string(SC_RESTORE)}));

    CDialog tool(IDD_TOOL, &dlg);
    ASSERT_TRUE(tool.Create(IDD_TOOL, &dlg));
    EXPECT_EQ(tool.GetSystemMenu(FALSE), nullptr) << "no system menu without WS_SYSMENU";
    EXPECT_FALSE(platform::PressCloseBox(*tool.m_hWnd)) << "and no close box";
}

TEST_F(FrameworkTest, DataExchangeAttachesControlsAndCopiesTextBothWays)
{
    SampleDlg dlg;
    dlg.m_strName = "first";
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));  // OnInitDialog exchanges toward the controls.
    EXPECT_EQ(dlg.m_editName.m_hWnd, &Item(dlg, IDC_NAME));
    EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME), "first");
    EXPECT_EQ(dlg.GetDlgItem(IDC_NAME), &dlg.m_editName) << "the attached member is the control's object";

    dlg.m_editName.SetWindowText("typed");
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_strName, "typed");
}

TEST_F(FrameworkTest, TheOpenDialogReportsItsSettingsAndAddsTheDefaultExtension)
{
    const char* filter = "Text Database (*.txt)|*.txt|All Files (*.*)|*.*||";
    struct Case {
        std::optional<std::string> choice;
        INT_PTR result;
        const char* path;
    };
    const Case cases[] = {
        {std::string("/home/learner/words"), IDOK, "/home/learner/words.txt"},
        {std::string("/home/learner/words.lst"), IDOK, "/home/learner/words.lst"},
        {std::string("/home/my.lists/words"), IDOK, "/home/my.lists/words.txt"},
        {std::nullopt, IDCANCEL, ""},
    };
    for (const Case& c : cases) {
        if (c.choice)
            host().QueueFileChoice(*c.choice);
        else
            host().QueueFileCancel();
        CFileDialog dialog(TRUE, ".txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter);
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.GetPathName(), c.path);
    }
    const platform::FileDialogRequest& shown = host().FileDialogs().back();
    EXPECT_TRUE(shown.openDialog);
    EXPECT_EQ(shown.flags, 6u);
    ASSERT_EQ(shown.filters.size(), 2u);
    EXPECT_EQ(shown.filters[0].name, "Text Database (*.txt)");
    EXPECT_EQ(shown.filters[0].pattern, "*.txt");
    EXPECT_EQ(shown.filters[1].name, "All Files (*.*)");
    EXPECT_EQ(shown.filters[1].pattern, "*.*");
}

TEST_F(FrameworkTest, StringsAndIconsComeFromTheResources)
{
    CString text;
    EXPECT_TRUE(text.LoadString(IDS_GREETING));
    EXPECT_EQ(text, "Hello");
    EXPECT_FALSE(text.LoadString(9999));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_NE(app.LoadIcon(IDI_SAMPLE), nullptr);
    EXPECT_EQ(app.LoadIcon(9999), nullptr);
}

}  // namespace
