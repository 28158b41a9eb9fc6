// The main window as a whole and the application: command routing, the ways
// the dialog ends, the system menu and the About box, the minimised icon,
// F1, and one whole session through the application object.

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "app/QuizApp.h"
#include "database/database.h"
#include "database/random_clock.h"
#include "platform/DialogManager.h"
#include "platform/HeadlessHost.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "quiz/QuizDlg.h"
#include "resources/resource.h"
#include "tests/support/TemporaryCurrentFolder.h"

namespace {

using platform::Window;

std::time_t FixedClock() { return 5000; }

void WriteDatabase(const std::filesystem::path& path, const std::string& title, int pairs)
{
    std::ofstream out(path, std::ios::binary);
    out << title << "\r\n";
    for (int n = 1; n < 19; ++n)
        out << "intro " << n << "\r\n";
    for (int k = 0; k < pairs; ++k)
        out << "w" << k << "\r\nm" << k << "\r\n";
}

std::set<std::string> Listing(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteDatabase(folder / "SAT100.TXT", "SAT words", 30);
        WriteDatabase(folder / "GRE.TXT", "GRE words", 40);
        DatabasePath.clear();
        SetRandomClock(&FixedClock);
        host().Reset();
        theApp.SetModulePath("/usr/local/bin/wloom");
    }
    void TearDown() override
    {
        // Destroying a window also destroys and frees the windows it owns,
        // so take whatever top-level window is left, one at a time.
        while (!platform::TopLevelWindows().empty())
            platform::DestroyWindow(*platform::TopLevelWindows().front());
        theApp.m_pMainWnd = nullptr;
        SetRandomClock(nullptr);
        host().Reset();
    }

    // The main window, modeless, as the application's main window.
    void CreateMain()
    {
        ASSERT_TRUE(dlg.Create(IDD_QUIZ));
        theApp.m_pMainWnd = &dlg;
    }
    Window& Item(CWnd& dialog, int id) { return *dialog.m_hWnd->ChildById(id); }
    Window& Item(Window& dialog, int id) { return *dialog.ChildById(id); }
    std::vector<Window*> Windows(UINT templateId)
    {
        std::vector<Window*> found;
        for (Window* w : platform::TopLevelWindows())
            if (w->Id() == static_cast<int>(templateId))
                found.push_back(w);
        return found;
    }
    platform::HeadlessHost& host() { return platform::Headless(); }

    TemporaryCurrentFolder workFolder{"wordloom-app"};
    const std::filesystem::path& folder = workFolder.Path();
    CQuizDlg dlg;
};

TEST_F(MainWindowTest, EveryMenuCommandAndButtonReachesItsHandler)
{
    CreateMain();
    Window& main = *dlg.m_hWnd;
    auto menu = [&](UINT id) { return [&main, id] { EXPECT_TRUE(platform::ChooseMenuItem(main, id)); }; };
    auto click = [&](int id) { return [this, id] { EXPECT_TRUE(platform::Click(Item(dlg, id))); }; };
    auto caption = [&] { return dlg.GetWindowText().str(); };
    auto question = [&] { return dlg.GetDlgItemText(IDC_QUESTION).str(); };
    std::string before;

    struct Route {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> act;
        std::function<bool()> reached;
    };
    host().QueueFileChoice((folder / "GRE.TXT").string());
    const Route routes[] = {
        {"Open Database", [] {}, menu(ID_FILE_OPEN_DATABASE), [&] { return caption() == "Wordloom 1.0 - [GRE words]"; }},
        {"Close Database", [] {}, menu(ID_FILE_CLOSE_DATABASE), [&] { return caption() == "Wordloom 1.0"; }},
        {"SAT100", [] {}, click(IDC_SAT100), [&] { return caption() == "Wordloom 1.0 - [SAT words]"; }},
        {"GRE1265", [] {}, click(IDC_GRE1265), [&] { return caption() == "Wordloom 1.0 - [GRE words]"; }},
        {"Next", [&] { before = question(); }, click(IDC_NEXT), [&] { return question() != before; }},
        {"GO", [] {}, click(IDC_GO), [&] { return host().MessageBoxes().size() == 1; }},
        {"Meaning to Word (menu)", [] {}, menu(ID_SET_MEANING_TO_WORD),
         [&] { return dlg.IsDlgButtonChecked(IDC_MEANING_TO_WORD) == BST_CHECKED; }},
        {"Word to Meaning (menu)", [] {}, menu(ID_SET_WORD_TO_MEANING),
         [&] { return dlg.IsDlgButtonChecked(IDC_WORD_TO_MEANING) == BST_CHECKED; }},
        {"Meaning to Word (button)", [] {}, click(IDC_MEANING_TO_WORD),
         [&] { return dlg.GetMenu()->GetMenuState(ID_SET_MEANING_TO_WORD, MF_BYCOMMAND) & MF_CHECKED; }},
        {"Word to Meaning (button)", [] {}, click(IDC_WORD_TO_MEANING),
         [&] { return dlg.GetMenu()->GetMenuState(ID_SET_WORD_TO_MEANING, MF_BYCOMMAND) & MF_CHECKED; }},
        {"How to use this?", [] {}, menu(ID_HELP_HOW_TO_USE),
         [&] { return Windows(IDD_INFO).back()->Text() == "How do I use this program?"; }},
        {"About Wordloom", [] {}, menu(ID_HELP_ABOUT),
         [&] { return host().ModalRuns() == std::vector<int>{static_cast<int>(IDD_ABOUT_BOX)}; }},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        route.prepare();
        route.act();
        EXPECT_TRUE(route.reached());
    }
    // The clicked direction button stays pressed, the other raised.
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_WORD_TO_MEANING), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_MEANING_TO_WORD), BST_UNCHECKED);
}

TEST_F(MainWindowTest, EveryWayOfEndingTheDialogEndsItWithItsCode)
{
    struct Ending {
        const char* name;
        std::function<void(Window&)> act;
        INT_PTR code;
    };
    const Ending endings[] = {
        {"Exit", [](Window& w) { platform::ChooseMenuItem(w, ID_FILE_EXIT); }, 0},
        {"Quit", [](Window& w) { platform::Click(*w.ChildById(IDCANCEL)); }, IDCANCEL},
        {"Escape", [](Window& w) { platform::PressKey(w, platform::Key::Escape); }, IDCANCEL},
        {"close box", [](Window& w) { platform::PressCloseBox(w); }, IDCANCEL},
        {"Close in the system menu", [](Window& w) { platform::ChooseSystemMenuItem(w, SC_CLOSE); }, IDCANCEL},
        {"Enter on an option",
         [](Window& w) {
             platform::Click(*w.ChildById(IDC_SAT100));
             platform::Click(*w.ChildById(IDC_OPTION2));
             platform::PressKey(w, platform::Key::Enter);
         },
         IDOK},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        bool endedByAction = false;
        host().QueueModalResponder([&](Window& w) {
            ending.act(w);
            endedByAction = w.Run().ended;
        });
        CQuizDlg modal;
        theApp.m_pMainWnd = &modal;
        EXPECT_EQ(modal.DoModal(), ending.code);
        EXPECT_TRUE(endedByAction);
        EXPECT_TRUE(platform::TopLevelWindows().empty()) << "its information windows go with it";
        EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    }
}

TEST_F(MainWindowTest, EnterOnAPushButtonPressesItAndNoButtonIsTheDefault)
{
    bool stillRunning = false;
    host().QueueModalResponder([&](Window& w) {
        EXPECT_EQ(platform::GetFocus(), w.ChildById(IDCANCEL));
        for (const auto& control : w.Children())
            EXPECT_FALSE(control->IsDefaultPushButton());
        platform::Click(*w.ChildById(IDC_SAT100));
        EXPECT_EQ(platform::GetFocus()->TopLevel().Id(), static_cast<int>(IDD_INFO))
            << "the new information window takes the focus";
        platform::SetFocus(w.ChildById(IDCANCEL));
        platform::PressKey(w, platform::Key::Tab);
        platform::PressKey(w, platform::Key::Tab);
        EXPECT_EQ(platform::GetFocus(), w.ChildById(IDC_GO)) << "Quit, the answer box, then GO!!";
        platform::PressKey(w, platform::Key::Enter);
        stillRunning = !w.Run().ended;
    });
    CQuizDlg modal;
    theApp.m_pMainWnd = &modal;
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_TRUE(stillRunning);
    ASSERT_EQ(host().MessageBoxes().size(), 1u) << "Enter pressed GO!! with nothing selected";
    EXPECT_EQ(host().MessageBoxes()[0].caption, "Sorry!");
}

TEST_F(MainWindowTest, TheSystemMenuEndsWithTheAboutItem)
{
    CreateMain();
    CMenu* sys = dlg.GetSystemMenu(FALSE);
    const int count = sys->GetMenuItemCount();
    ASSERT_GE(count, 2);
    EXPECT_EQ(sys->GetMenuState(static_cast<UINT>(count - 2), MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(sys->GetMenuItemID(count - 1), IDM_ABOUT_ITEM);
    EXPECT_EQ(sys->GetMenuString(static_cast<UINT>(count - 1), MF_BYPOSITION), "&About WLOOM...");

    // The system's own items still work.
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_MOVE));
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_MINIMIZE));
    EXPECT_TRUE(dlg.IsIconic());
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_RESTORE));
    EXPECT_FALSE(dlg.IsIconic());
    EXPECT_TRUE(platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_CLOSE));
    EXPECT_FALSE(dlg.IsWindowVisible());
    EXPECT_TRUE(host().ModalRuns().empty());
}

TEST_F(MainWindowTest, TheAboutBoxRunsFromBothPlacesWithOnlyTheMainWindowDisabled)
{
    CreateMain();
    using Close = std::function<void(Window&)>;
    const std::pair<const char*, Close> closings[] = {
        {"OK", [](Window& box) { platform::Click(*box.ChildById(IDOK)); }},
        {"Enter", [](Window& box) { platform::PressKey(box, platform::Key::Enter); }},
        {"Escape", [](Window& box) { platform::PressKey(box, platform::Key::Escape); }},
        {"close box", [](Window& box) { platform::PressCloseBox(box); }},
    };
    const std::pair<const char*, std::function<void()>> openers[] = {
        {"Help menu", [&] { platform::ChooseMenuItem(*dlg.m_hWnd, ID_HELP_ABOUT); }},
        {"system menu", [&] { platform::ChooseSystemMenuItem(*dlg.m_hWnd, IDM_ABOUT_ITEM); }},
    };
    for (const bool withDatabase : {false, true}) {
        if (withDatabase)
            platform::Click(Item(dlg, IDC_SAT100));
        for (const auto& [opener, open] : openers) {
            for (const auto& [closing, close] : closings) {
                SCOPED_TRACE(std::string(opener) + ", " + closing + (withDatabase ? ", open" : ", closed"));
                const std::string question = dlg.GetDlgItemText(IDC_QUESTION).str();
                bool checked = false;
                host().QueueModalResponder([&](Window& box) {
                    EXPECT_EQ(box.Text(), "About Wordloom");
                    EXPECT_EQ(box.Owner(), dlg.m_hWnd);
                    EXPECT_EQ(platform::GetFocus(), box.ChildById(IDOK));
                    EXPECT_FALSE(dlg.IsWindowEnabled());
                    for (Window* info : Windows(IDD_INFO))
                        EXPECT_TRUE(platform::AcceptsInput(*info->ChildById(IDOK)));
                    close(box);
                    checked = box.Run().ended;
                });
                open();
                EXPECT_TRUE(checked);
                EXPECT_TRUE(dlg.IsWindowEnabled());
                EXPECT_EQ(dlg.GetDlgItemText(IDC_QUESTION), question.c_str()) << "the quiz goes on unchanged";
                EXPECT_TRUE(Windows(IDD_ABOUT_BOX).empty());
            }
        }
    }
    EXPECT_EQ(host().ModalRuns().size(), 16u);
}

TEST_F(MainWindowTest, MinimisedTheWindowPaintsItsIconInTheMiddle)
{
    CreateMain();
    dlg.SendMessage(WM_PAINT);
    EXPECT_TRUE(host().IconDrawings().empty()) << "not minimised: the usual painting";

    platform::ChooseSystemMenuItem(*dlg.m_hWnd, SC_MINIMIZE);
    dlg.SendMessage(WM_PAINT);
    ASSERT_EQ(host().IconDrawings().size(), 1u);
    const platform::IconDrawing& drawn = host().IconDrawings()[0];
    RECT client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client, (RECT{0, 0, 575, 302})) << "383 by 186 dialog units at 6 by 13";
    EXPECT_EQ(drawn.x, (575 - 32 + 1) / 2);
    EXPECT_EQ(drawn.y, (302 - 32 + 1) / 2);
    EXPECT_EQ(drawn.icon, platform::FindIcon(IDI_QUIZ));
    EXPECT_EQ(dlg.GetIcon(TRUE), drawn.icon);
    EXPECT_EQ(dlg.GetIcon(FALSE), drawn.icon);
    EXPECT_EQ(reinterpret_cast<HICON>(dlg.SendMessage(WM_QUERYDRAGICON)), drawn.icon);
}

TEST_F(MainWindowTest, F1ReachesTheHelpCommandNotTheUsageText)
{
    CreateMain();
    EXPECT_TRUE(platform::PressKey(*dlg.m_hWnd, platform::Key::F1));
    ASSERT_EQ(host().MessageBoxes().size(), 1u);
    EXPECT_EQ(host().MessageBoxes()[0].caption, "wloom");
    EXPECT_EQ(host().MessageBoxes()[0].text, "Cannot find the help file wloom.HLP.");
    EXPECT_TRUE(Windows(IDD_INFO).empty());
    // The same from an information window, and not with a modifier held.
    platform::ChooseMenuItem(*dlg.m_hWnd, ID_HELP_HOW_TO_USE);
    EXPECT_TRUE(platform::PressKey(*Windows(IDD_INFO)[0], platform::Key::F1));
    EXPECT_FALSE(platform::PressKey(*dlg.m_hWnd, platform::Key::F1, platform::Modifiers::Shift));
    EXPECT_EQ(host().MessageBoxes().size(), 2u);
}

TEST_F(MainWindowTest, AWholeSessionThroughTheApplicationObject)
{
    const std::set<std::string> filesBefore = Listing(folder);
    std::vector<std::string> seen;
    host().QueueModalResponder([&](Window& w) {
        auto text = [&](int id) { return w.ChildById(id)->Text(); };
        platform::Click(*w.ChildById(IDC_SAT100));
        seen.push_back(w.Text());
        auto* quiz = static_cast<CQuizDlg*>(w.Wrapper());
        platform::Click(*w.ChildById(IDC_OPTION1 + quiz->GetCorrectSlot() - 1));
        platform::Click(*w.ChildById(IDC_GO));
        seen.push_back(text(IDC_RESULT));
        platform::Click(*w.ChildById(IDC_MEANING_TO_WORD));
        platform::Click(*w.ChildById(IDC_NEXT));
        seen.push_back(text(IDC_QUESTION).substr(0, 1));
        platform::ChooseMenuItem(w, ID_FILE_CLOSE_DATABASE);
        seen.push_back(text(IDC_QUESTION));
        platform::ChooseMenuItem(w, ID_FILE_EXIT);
    });
    char program[] = "/usr/local/bin/wloom";
    char argument[] = "--anything";  // The command line is never looked at.
    char* argv[] = {program, argument, nullptr};
    EXPECT_EQ(AfxWinMain(2, argv), 0);

    EXPECT_EQ(seen, (std::vector<std::string>{"Wordloom 1.0 - [SAT words]", "YES! You got it!", "m",
                                              "Please open a vocab list or database from the File Menu."}));
    EXPECT_EQ(host().ModalRuns(), std::vector<int>{static_cast<int>(IDD_QUIZ)});
    EXPECT_STREQ(theApp.m_pszAppName, "wloom");
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    EXPECT_TRUE(platform::TopLevelWindows().empty());
    EXPECT_EQ(Listing(folder), filesBefore) << "no file written";
}

}  // namespace
