// The quiz window: its start-up state, opening and closing databases, the
// direction of the drill, asking and judging questions.

#include "QuizTest.h"

namespace quiz_test {
namespace {

const char* const ClosedQuestion = "Please open a vocab list or database from the File Menu.";

struct Question {
    int32_t index[5];
    int32_t slot;
};

// What the window must ask right after it seeds the generator with `seed`.
Question ExpectedQuestion(const std::string& path, uint32_t seed)
{
    const std::string saved = DatabasePath;
    DatabasePath = path;
    Question q{};
    SeedRandom(seed);
    EXPECT_EQ(DrawPairIndices(q.index[0], q.index[1], q.index[2], q.index[3], q.index[4]), DrawResult::Drawn);
    q.slot = RandomBelow(5) + 1;
    DatabasePath = saved;
    return q;
}

std::string W(int k) { return "w" + std::to_string(k); }
std::string M(int k) { return "m" + std::to_string(k); }

class QuizWindowTest : public QuizTest {
protected:
    // The caption, texts and buttons of the closed state.
    void ExpectClosedTexts()
    {
        EXPECT_EQ(Caption(), "Wordloom 1.0");
        EXPECT_EQ(Text(IDC_QUESTION), ClosedQuestion);
        EXPECT_EQ(Text(IDC_RESULT), "Don't know.");
        EXPECT_EQ(Text(IDC_ANSWER), "");
        EXPECT_FALSE(Enabled(IDC_GO));
        EXPECT_FALSE(Enabled(IDC_NEXT));
    }
};

TEST_F(QuizWindowTest, StartsClosedWithWordToMeaningMarked)
{
    ExpectClosedTexts();
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_EQ(MenuState(ID_FILE_OPEN_DATABASE), MF_ENABLED);
    EXPECT_EQ(MenuState(ID_FILE_CLOSE_DATABASE), MF_GRAYED);
    EXPECT_EQ(MenuState(ID_SET_WORD_TO_MEANING), MF_CHECKED | MFT_RADIOCHECK);
    EXPECT_EQ(MenuState(ID_SET_MEANING_TO_WORD), 0u);
    EXPECT_TRUE(Checked(IDC_WORD_TO_MEANING));
    EXPECT_FALSE(Checked(IDC_MEANING_TO_WORD));
    EXPECT_EQ(platform::GetFocus(), dlg.GetDlgItem(IDCANCEL)->m_hWnd) << "the focus starts on Quit";
    EXPECT_TRUE(InfoWindows().empty());
}

TEST_F(QuizWindowTest, OpeningAChosenFileShowsItsTitleIntroductionAndAQuestion)
{
    const std::string path = Database("verbs.txt", "French verbs", 8);
    host().QueueFileChoice(path);
    Command(ID_FILE_OPEN_DATABASE);

    const platform::FileDialogRequest& shown = host().FileDialogs().at(0);
    EXPECT_TRUE(shown.openDialog);
    EXPECT_EQ(shown.defaultExtension, ".txt");
    EXPECT_EQ(shown.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(shown.filterSpec, "Text Database (*.txt)|*.txt|All Files (*.*)|*.*||");

    EXPECT_EQ(DatabasePath, path);
    EXPECT_EQ(Caption(), "Wordloom 1.0 - [French verbs]");
    EXPECT_TRUE(Enabled(IDC_GO));
    EXPECT_TRUE(Enabled(IDC_NEXT));
    EXPECT_EQ(MenuState(ID_FILE_OPEN_DATABASE), MF_GRAYED);
    EXPECT_EQ(MenuState(ID_FILE_CLOSE_DATABASE), MF_ENABLED);
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id) {
        EXPECT_TRUE(Visible(id)) << id;
        EXPECT_FALSE(Checked(id)) << id;
    }
    const Question q = ExpectedQuestion(path, 1000);
    EXPECT_EQ(Text(IDC_QUESTION), W(q.index[0]));
    EXPECT_EQ(Options()[q.slot - 1], M(q.index[0]));
    EXPECT_EQ(dlg.GetCorrectSlot(), q.slot);
    ASSERT_EQ(InfoWindows().size(), 1u);
    EXPECT_EQ(InfoWindows()[0]->Text(), "French verbs");
}

TEST_F(QuizWindowTest, CancellingTheOpenDialogChangesNothing)
{
    DatabasePath = "earlier.txt";
    host().QueueFileCancel();
    Command(ID_FILE_OPEN_DATABASE);
    EXPECT_EQ(DatabasePath, "");
    EXPECT_EQ(Caption(), "Wordloom 1.0");
    EXPECT_EQ(Text(IDC_QUESTION), ClosedQuestion);
    EXPECT_FALSE(Enabled(IDC_GO));
    EXPECT_EQ(MenuState(ID_FILE_OPEN_DATABASE), MF_ENABLED);
    EXPECT_EQ(MenuState(ID_FILE_CLOSE_DATABASE), MF_GRAYED);
    EXPECT_TRUE(InfoWindows().empty());
}

TEST_F(QuizWindowTest, PreloadedDatabasesOpenByTheirNamesEvenOverAnOpenOne)
{
    Database("SAT100.TXT", "SAT words", 10);
    Database("GRE.TXT", "GRE words", 12);
    Command(IDC_SAT100);
    EXPECT_EQ(DatabasePath, "SAT100.TXT");
    EXPECT_EQ(Caption(), "Wordloom 1.0 - [SAT words]");

    dlg.CheckDlgButton(IDC_OPTION1 + dlg.GetCorrectSlot() - 1, BST_CHECKED);
    Command(IDC_GO);
    const CString verdict = Text(IDC_RESULT);
    const CString answer = Text(IDC_ANSWER);
    EXPECT_EQ(verdict, "YES! You got it!");

    Command(IDC_GRE1265);
    EXPECT_EQ(DatabasePath, "GRE.TXT");
    EXPECT_EQ(Caption(), "Wordloom 1.0 - [GRE words]");
    EXPECT_EQ(InfoWindows().size(), 2u) << "a second information window";
    EXPECT_EQ(Text(IDC_RESULT), verdict) << "the last verdict stays";
    EXPECT_EQ(Text(IDC_ANSWER), answer);
    const Question q = ExpectedQuestion("GRE.TXT", 1000);
    EXPECT_EQ(Text(IDC_QUESTION), W(q.index[0]));
}

TEST_F(QuizWindowTest, ClosingResetsTheWindowAndOpeningAgainAsksAfresh)
{
    Database("SAT100.TXT", "SAT words", 10);
    Command(IDC_SAT100);
    dlg.CheckDlgButton(IDC_OPTION2, BST_CHECKED);
    Command(IDC_GO);

    Command(ID_FILE_CLOSE_DATABASE);
    ExpectClosedTexts();
    EXPECT_EQ(MenuState(ID_FILE_OPEN_DATABASE), MF_ENABLED);
    EXPECT_EQ(MenuState(ID_FILE_CLOSE_DATABASE), MF_GRAYED);
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        EXPECT_FALSE(Visible(id));
    EXPECT_EQ(DatabasePath, "SAT100.TXT") << "closing keeps the path";
    EXPECT_EQ(InfoWindows().size(), 1u) << "and leaves the information window alone";

    g_clock = 2000;
    Command(IDC_SAT100);
    const Question q = ExpectedQuestion("SAT100.TXT", 2000);
    EXPECT_EQ(Text(IDC_QUESTION), W(q.index[0]));
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id) {
        EXPECT_TRUE(Visible(id));
        EXPECT_FALSE(Checked(id)) << "hidden options kept their check; the new question clears it";
    }
}

TEST_F(QuizWindowTest, TheDirectionChangesTheMarksAtOnceAndTheQuestionAtTheNextNext)
{
    Database("SAT100.TXT", "SAT words", 10);
    Command(IDC_SAT100);
    const CString question = Text(IDC_QUESTION);
    const std::vector<std::string> options = Options();

    struct Case {
        UINT command;
        bool meaningToWord;
    };
    const Case cases[] = {
        {ID_SET_MEANING_TO_WORD, true},
        {IDC_WORD_TO_MEANING, false},
        {IDC_MEANING_TO_WORD, true},
        {ID_SET_WORD_TO_MEANING, false},
        {ID_SET_MEANING_TO_WORD, true},
    };
    for (const Case& c : cases) {
        Command(c.command);
        EXPECT_EQ(Checked(IDC_MEANING_TO_WORD), c.meaningToWord) << c.command;
        EXPECT_EQ(Checked(IDC_WORD_TO_MEANING), !c.meaningToWord) << c.command;
        EXPECT_EQ(MenuState(ID_SET_MEANING_TO_WORD), c.meaningToWord ? MF_CHECKED | MFT_RADIOCHECK : 0u);
        EXPECT_EQ(MenuState(ID_SET_WORD_TO_MEANING), c.meaningToWord ? 0u : MF_CHECKED | MFT_RADIOCHECK);
        EXPECT_EQ(Text(IDC_QUESTION), question) << "the question on screen stays";
        EXPECT_EQ(Options(), options);
    }
    // Judging does not depend on the direction: the answer box shows word, then meaning.
    dlg.CheckDlgButton(IDC_OPTION1 + dlg.GetCorrectSlot() - 1, BST_CHECKED);
    Command(IDC_GO);
    EXPECT_EQ(Text(IDC_RESULT), "YES! You got it!");
    EXPECT_EQ(Text(IDC_ANSWER), question + "\r\nm" + question.str().substr(1));

    Command(IDC_NEXT);
    EXPECT_EQ(Text(IDC_QUESTION).str().front(), 'm') << "now a meaning is asked";
    for (const std::string& option : Options())
        EXPECT_EQ(option.front(), 'w');
}

TEST_F(QuizWindowTest, ADirectionChosenWhileClosedAppliesToTheFirstQuestion)
{
    Database("SAT100.TXT", "SAT words", 10);
    Command(ID_SET_MEANING_TO_WORD);
    EXPECT_TRUE(Checked(IDC_MEANING_TO_WORD));
    Command(IDC_SAT100);
    const Question q = ExpectedQuestion("SAT100.TXT", 1000);
    EXPECT_EQ(Text(IDC_QUESTION), M(q.index[0]));
    EXPECT_EQ(Options()[q.slot - 1], W(q.index[0]));
}

TEST_F(QuizWindowTest, GoWithoutASelectionWarnsAndChangesNothing)
{
    Database("SAT100.TXT", "SAT words", 10);
    Command(IDC_SAT100);
    const CString question = Text(IDC_QUESTION);
    Command(IDC_GO);
    ASSERT_EQ(host().MessageBoxes().size(), 1u);
    const platform::MessageBoxRequest& box = host().MessageBoxes()[0];
    EXPECT_EQ(box.text, "You must make a selection before checking the answer");
    EXPECT_EQ(box.caption, "Sorry!");
    EXPECT_EQ(box.type, 0x30u);
    EXPECT_EQ(box.owner, dlg.m_hWnd);
    EXPECT_EQ(Text(IDC_RESULT), "Don't know.");
    EXPECT_EQ(Text(IDC_ANSWER), "");
    EXPECT_EQ(Text(IDC_QUESTION), question);
}

TEST_F(QuizWindowTest, GoJudgesTheSelectionOfTheMomentAndShowsTheWholePair)
{
    Database("SAT100.TXT", "SAT words", 10);
    Command(IDC_SAT100);
    const int right = dlg.GetCorrectSlot();
    const int wrong = right % 5 + 1;
    const std::string word = Text(IDC_QUESTION).str();
    const std::string pair = word + "\r\nm" + word.substr(1);

    platform::Click(*dlg.GetDlgItem(IDC_OPTION1 + wrong - 1)->m_hWnd);
    Command(IDC_GO);
    EXPECT_EQ(Text(IDC_RESULT), "No! Correct answer is:");
    EXPECT_EQ(Text(IDC_ANSWER), pair);

    platform::Click(*dlg.GetDlgItem(IDC_OPTION1 + right - 1)->m_hWnd);
    EXPECT_FALSE(Checked(IDC_OPTION1 + wrong - 1)) << "the options are one radio group";
    Command(IDC_GO);
    EXPECT_EQ(Text(IDC_RESULT), "YES! You got it!");
    EXPECT_EQ(Text(IDC_ANSWER), pair);

    // Next asks anew without a judgement, and leaves the last verdict standing.
    Command(IDC_NEXT);
    Command(IDC_NEXT);
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        EXPECT_FALSE(Checked(id));
    EXPECT_EQ(Text(IDC_RESULT), "YES! You got it!");
    EXPECT_EQ(Text(IDC_ANSWER), pair);
}

TEST_F(QuizWindowTest, TheRightAnswerTakesItsSlotAndTheOthersFillTheRestInDrawOrder)
{
    const std::string path = Database("SAT100.TXT", "SAT words", 30);
    for (int32_t wanted = 1; wanted <= 5; ++wanted) {
        uint32_t seed = 1;
        while (ExpectedQuestion(path, seed).slot != wanted)
            ++seed;
        const Question q = ExpectedQuestion(path, seed);
        for (const bool meaningToWord : {false, true}) {
            SCOPED_TRACE("slot " + std::to_string(wanted) + (meaningToWord ? ", meaning to word" : ""));
            Command(meaningToWord ? ID_SET_MEANING_TO_WORD : ID_SET_WORD_TO_MEANING);
            g_clock = static_cast<std::time_t>(seed);
            Command(IDC_SAT100);
            auto shown = [&](int k) { return meaningToWord ? W(k) : M(k); };
            std::vector<std::string> expected;
            int other = 1;
            for (int slot = 1; slot <= 5; ++slot)
                expected.push_back(shown(slot == wanted ? q.index[0] : q.index[other++]));
            EXPECT_EQ(Text(IDC_QUESTION), meaningToWord ? M(q.index[0]) : W(q.index[0]));
            EXPECT_EQ(Options(), expected);
            EXPECT_EQ(dlg.GetCorrectSlot(), wanted);
        }
    }
}

TEST_F(QuizWindowTest, TwoOpeningsInTheSameSecondAskTheSameQuestions)
{
    Database("SAT100.TXT", "SAT words", 40);
    auto session = [&] {
        std::vector<std::vector<std::string>> asked;
        Command(IDC_SAT100);
        for (int i = 0; i < 4; ++i) {
            std::vector<std::string> q = Options();
            q.push_back(Text(IDC_QUESTION).str());
            asked.push_back(q);
            Command(IDC_NEXT);
        }
        return asked;
    };
    const auto first = session();
    EXPECT_EQ(session(), first);
    g_clock += 1;
    EXPECT_NE(session(), first);
}

}  // namespace
}  // namespace quiz_test
