// The information window, and how the quiz window behaves when a database
// cannot give a question.

#include "QuizTest.h"

#include "windows/UsageText.h"

namespace quiz_test {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string InfoText(platform::Window& info)
{
    return info.ChildById(IDC_INFO_TEXT)->Text();
}

using InfoWindowTest = QuizTest;

TEST_F(InfoWindowTest, ShowsTheTitleAsCaptionAndTheFirstNineteenLines)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;  // the 19 lines shown
    };
    std::vector<std::string> longLines = {"Title"};
    for (int n = 1; n < 19; ++n)
        longLines.push_back("intro " + std::to_string(n));
    std::vector<std::string> shortLines = {"Short", "second", "", ""};
    shortLines.resize(19);
    const Case cases[] = {
        {"long.txt", DatabaseText("Title", NumberedPairs(6)), longLines},
        {"short.txt", "Short\r\nsecond\r\n", shortLines},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(folder / c.name, c.bytes);
        host().QueueFileChoice((folder / c.name).string());
        Command(ID_FILE_OPEN_DATABASE);
        platform::Window& info = *InfoWindows().back();
        EXPECT_EQ(info.Text(), c.lines[0]);
        std::string expected;
        for (const std::string& line : c.lines)
            expected += line + "\r\n";
        EXPECT_EQ(InfoText(info), expected);
        EXPECT_TRUE(info.IsShown());
        EXPECT_EQ(info.Owner(), dlg.m_hWnd);
        EXPECT_EQ(platform::GetFocus(), info.ChildById(IDOK)) << "the new window has the focus on OK";
        EXPECT_TRUE(dlg.IsWindowEnabled()) << "the main window stays usable";
        Command(ID_FILE_CLOSE_DATABASE);
    }
}

TEST_F(InfoWindowTest, HowToUseShowsTheUsageTextWithOrWithoutADatabase)
{
    Command(ID_HELP_HOW_TO_USE);
    ASSERT_EQ(InfoWindows().size(), 1u);
    platform::Window& help = *InfoWindows()[0];
    EXPECT_EQ(help.Text(), "How do I use this program?");
    const std::string text = InfoText(help);
    EXPECT_EQ(text, UsageText().str());
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0], "This is a very simple applet program that allows you to manage simple 1-1");
    EXPECT_EQ(lines[2], "Avocabulary, physics-chemistry equation, as well as numbers and ");
    EXPECT_EQ(lines[19], "   but you may fill those lines with space) ");
    EXPECT_EQ(lines[25], "");
    EXPECT_EQ(lines[26], " ");
    EXPECT_EQ(lines[30], "");
    EXPECT_EQ(lines[31].substr(lines[31].size() - 2), ", ");
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");

    Database("SAT100.TXT", "SAT words", 6);
    Command(IDC_SAT100);
    Command(ID_HELP_HOW_TO_USE);
    EXPECT_EQ(InfoWindows().size(), 3u);
    EXPECT_EQ(InfoWindows().back()->Text(), "How do I use this program?");
}

TEST_F(InfoWindowTest, AHiddenInformationWindowIsReleased)
{
    Database("SAT100.TXT", "SAT words", 6);
    for (int i = 0; i < 1000; ++i) {
        Command(IDC_SAT100);
        ASSERT_EQ(InfoWindows().size(), 1u);
        platform::Window& info = *InfoWindows()[0];
        // OK, Enter and Escape all end it; the object goes with its window.
        switch (i % 3) {
        case 0:
            platform::Click(*info.ChildById(IDOK));
            break;
        case 1:
            platform::PressKey(*info.ChildById(IDC_INFO_TEXT), platform::Key::Enter);
            break;
        default:
            platform::PressKey(info, platform::Key::Escape);
            break;
        }
        ASSERT_TRUE(InfoWindows().empty());
    }
    EXPECT_EQ(platform::TopLevelWindows().size(), 1u);

    // The newest window released, the next one is made and released as usual.
    Command(ID_HELP_HOW_TO_USE);
    Command(ID_HELP_HOW_TO_USE);
    platform::PressKey(*InfoWindows()[1], platform::Key::Escape);
    platform::PressKey(*InfoWindows()[0], platform::Key::Escape);
    Command(ID_HELP_HOW_TO_USE);
    EXPECT_EQ(InfoWindows().size(), 1u);
}

TEST_F(InfoWindowTest, AnInformationWindowHasNoCloseBox)
{
    Command(ID_HELP_HOW_TO_USE);
    EXPECT_FALSE(platform::PressCloseBox(*InfoWindows()[0]));
    EXPECT_EQ(InfoWindows().size(), 1u);
}

using NoQuestionTest = QuizTest;

TEST_F(NoQuestionTest, ADatabaseWithTooFewPairsSaysSoUntilItIsFixed)
{
    const std::string path = Database("SAT100.TXT", "Tiny", 10);
    Command(IDC_SAT100);
    dlg.CheckDlgButton(IDC_OPTION1 + dlg.GetCorrectSlot() - 1, BST_CHECKED);
    Command(IDC_GO);
    const CString verdict = Text(IDC_RESULT);
    const CString answer = Text(IDC_ANSWER);

    Database("SAT100.TXT", "Tiny", 4);  // Edited down to four pairs.
    dlg.CheckDlgButton(IDC_OPTION3, BST_CHECKED);
    Command(IDC_NEXT);
    EXPECT_EQ(Text(IDC_QUESTION), "This database holds fewer than five word pairs.");
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id) {
        EXPECT_FALSE(Visible(id)) << id;
        EXPECT_FALSE(Checked(id)) << id;
    }
    EXPECT_FALSE(Enabled(IDC_GO)) << "nothing stale can be judged";
    EXPECT_TRUE(Enabled(IDC_NEXT));
    EXPECT_EQ(Text(IDC_RESULT), verdict);
    EXPECT_EQ(Text(IDC_ANSWER), answer);

    Database("SAT100.TXT", "Tiny", 5);  // Fixed in an editor.
    Command(IDC_NEXT);
    EXPECT_EQ(Text(IDC_QUESTION).str().front(), 'w');
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_TRUE(Enabled(IDC_GO));
}

TEST_F(NoQuestionTest, OpeningAFileThatCannotBeDrawnFromSaysWhy)
{
    std::filesystem::create_directory(folder / "GRE.TXT");  // A folder, not a file.
    WriteFile(folder / "SAT100.TXT", "Only a title\r\n");
    struct Case {
        UINT command;
        const char* question;
        const char* caption;
    };
    const Case cases[] = {
        {IDC_SAT100, "This database holds fewer than five word pairs.", "Wordloom 1.0 - [Only a title]"},
        {IDC_GRE1265, "This database cannot be read.", "Wordloom 1.0 - []"},
    };
    for (const Case& c : cases) {
        Command(c.command);
        EXPECT_EQ(Text(IDC_QUESTION), c.question);
        EXPECT_EQ(Caption(), c.caption);
        EXPECT_FALSE(Enabled(IDC_GO));
        EXPECT_TRUE(Enabled(IDC_NEXT));
        EXPECT_FALSE(Visible(IDC_OPTION1));
        EXPECT_EQ(MenuState(ID_FILE_CLOSE_DATABASE), MF_ENABLED) << "the database is open all the same";
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.txt"));
    host().QueueFileChoice((folder / "missing.txt").string());
    Command(ID_FILE_CLOSE_DATABASE);
    Command(ID_FILE_OPEN_DATABASE);
    EXPECT_EQ(Text(IDC_QUESTION), "This database cannot be read.");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.txt")) << "opening never creates a file";
}

TEST_F(NoQuestionTest, DatabaseTextsAreShownExactlyAsStored)
{
    std::vector<Pair> pairs = NumberedPairs(6);
    for (Pair& p : pairs) {
        p.word = "R&D " + p.word;
        p.meaning = "<b>" + p.meaning + "</b> & co";
    }
    WriteFile(folder / "SAT100.TXT", DatabaseText("Tom & Jerry", pairs));
    Command(IDC_SAT100);
    EXPECT_EQ(Caption(), "Wordloom 1.0 - [Tom & Jerry]");
    EXPECT_EQ(Text(IDC_QUESTION).str().substr(0, 5), "R&D w");
    for (const std::string& option : Options())
        EXPECT_EQ(option.substr(0, 4), "<b>m");

    // The ampersand is no mnemonic: Alt+D selects nothing.
    platform::SetFocus(dlg.GetDlgItem(IDCANCEL)->m_hWnd);
    platform::PressCharacter(*dlg.m_hWnd, 'd', platform::Modifiers::Alt);
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        EXPECT_FALSE(Checked(id));
}

}  // namespace
}  // namespace quiz_test
