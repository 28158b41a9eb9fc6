// A long session on the headless host: 1,000 openings and 20,000 answered
// questions, while one database is rewritten between questions (grown,
// shrunk below five pairs, deleted, replaced by a folder, restored). The
// window must keep answering, keep its memory and windows bounded, and leave
// every file as the test wrote it.

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/random_clock.h"
#include "platform/DialogManager.h"
#include "platform/Framework.h"
#include "platform/HeadlessHost.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "quiz/QuizDlg.h"
#include "resources/resource.h"
#include "tests/soak/SoakFolder.h"

#if defined(__SANITIZE_ADDRESS__)
#define WORDLOOM_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WORDLOOM_SOAK_ASAN 1
#endif
#endif

#ifdef WORDLOOM_SOAK_ASAN
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kOpenings = 1000;
constexpr int kQuestions = 20000;
// One opening in five chooses a file that does not exist; the others ask
// this many questions each.
constexpr int kQuestionsPerOpening = kQuestions / (kOpenings / 5 * 4);
constexpr int kWindowOfMeasure = 1000;

const std::string kDrill = "drill.txt";
const std::string kAbsent = "absent.txt";

// Every seeding reads a new second, so the questions differ from opening to opening.
std::time_t g_seconds = 1700000000;
std::time_t TickingClock() { return ++g_seconds; }

// The heap in use by live allocations, in bytes. Under AddressSanitizer its
// allocator is asked, since freed blocks wait in its quarantine a while.
std::size_t HeapInUse()
{
#ifdef WORDLOOM_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// The resident set size from /proc/self/status, in KiB.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

enum class FinalBreak { Yes, No };

// A database whose pairs tell where they came from: "<prefix>w<k>" and "<prefix>m<k>".
std::string DatabaseText(const std::string& prefix, int pairs, const std::string& eol, FinalBreak finalBreak)
{
    std::string text = "Title " + prefix + eol;
    for (int n = 1; n < 19; ++n)
        text += "introduction line " + std::to_string(n) + eol;
    for (int k = 0; k < pairs; ++k)
        text += prefix + "w" + std::to_string(k) + eol + prefix + "m" + std::to_string(k) + eol;
    if (finalBreak == FinalBreak::No)
        text.resize(text.size() - eol.size());
    return text;
}

// What a database path names at the moment, as the test made it.
struct Source {
    enum class Kind { Pairs, Missing, Folder } kind = Kind::Missing;
    std::string prefix;
    int pairs = 0;
};

class Soak {
public:
    Soak()
    {
        m_sat = DatabaseText("sat:", 100, "\r\n", FinalBreak::Yes);
        m_gre = DatabaseText("gre:", 1265, "\n", FinalBreak::No);
        // A bystander that is never opened, with bytes no database has.
        m_notes = std::string("notes\r\n\x1A\0\xFF\r", 10);
        SoakFolder::WriteFile("SAT100.TXT", m_sat);
        SoakFolder::WriteFile("GRE.TXT", m_gre);
        SoakFolder::WriteFile("notes.txt", m_notes);
        Rewrite(0);

        DatabasePath.clear();
        SetRandomClock(&TickingClock);
        platform::Headless().Reset();
        EXPECT_TRUE(m_dlg.Create(IDD_QUIZ));
    }

    ~Soak()
    {
        m_dlg.DestroyWindow();
        SetRandomClock(nullptr);
        platform::Headless().Reset();
        DatabasePath.clear();
    }

    void Run()
    {
        const auto start = std::chrono::steady_clock::now();
        for (int opening = 0; opening < kOpenings && !::testing::Test::HasFatalFailure(); ++opening) {
            Open(opening);
            if (m_current.kind == Source::Kind::Missing) {
                ExpectNoQuestion("This database cannot be read.");
                continue;
            }
            int answered = AnswerIfAsked() ? 1 : 0;
            while (answered < kQuestionsPerOpening && !::testing::Test::HasFatalFailure()) {
                Rewrite(++m_step);
                Click(IDC_NEXT);
                answered += AnswerIfAsked() ? 1 : 0;
            }
            if (opening % 100 == 99)
                ExpectFilesAsWritten(SoakFolder::Detail::Bytes);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        ASSERT_EQ(m_answered, kQuestions);
        std::printf("soak: %d openings, %d questions answered (%d right), %d without a question, %d rewrites, "
                    "%.1f s\n",
                    kOpenings, m_answered, m_right, m_unasked, m_step, seconds);
        std::printf("soak: heap in use %zu -> %zu bytes, VmRSS %ld -> %ld KiB, at most %zu top-level windows\n",
                    m_firstHeap, m_lastHeap, m_firstRss, m_lastRss, m_mostWindows);

        // Memory does not grow with the number of questions asked.
        EXPECT_LT(m_lastHeap, m_firstHeap + 1024 * 1024);
        EXPECT_LT(m_lastRss, m_firstRss + kRssSlackKiB);
        EXPECT_LE(m_mostWindows, 3u) << "the main window, an introduction and the usage text";
        ExpectFilesAsWritten(SoakFolder::Detail::Bytes);
    }

private:
#ifdef WORDLOOM_SOAK_ASAN
    // The sanitizer's quarantine of freed memory fills over the first
    // questions and may keep growing for a while after.
    static constexpr long kRssSlackKiB = 320 * 1024;
#else
    static constexpr long kRssSlackKiB = 32 * 1024;
#endif

    platform::Window& Control(int id) { return *m_dlg.GetDlgItem(id)->m_hWnd; }
    void Click(int id) { platform::Click(Control(id)); }
    void ChooseMenuItem(UINT command) { platform::ChooseMenuItem(*m_dlg.m_hWnd, command); }
    std::string Text(int id) { return m_dlg.GetDlgItemText(id).str(); }

    // The database of the next step. Editors write a file in place; the
    // folder and the deletion replace it.
    void Rewrite(int step)
    {
        ++m_generation;
        const std::string prefix = "d" + std::to_string(m_generation) + ":";
        std::filesystem::remove_all(kDrill);
        m_drill = Source{Source::Kind::Pairs, prefix, 0};
        switch (step % 10) {
        case 3:  // shrunk below five pairs
            m_drill.pairs = step / 10 % 5;
            break;
        case 5:
            m_drill.kind = Source::Kind::Missing;
            break;
        case 7:
            m_drill.kind = Source::Kind::Folder;
            std::filesystem::create_directory(kDrill);
            break;
        case 4:
            m_drill.pairs = 5;
            break;
        default:  // grown, step by step, up to a few hundred pairs
            m_drill.pairs = 6 + step / 10 % 100 * 3 + step % 10;
            break;
        }
        if (m_drill.kind == Source::Kind::Pairs) {
            const std::string eol = step % 2 == 0 ? "\r\n" : "\n";
            m_drillBytes = DatabaseText(prefix, m_drill.pairs, eol, step % 3 == 0 ? FinalBreak::No : FinalBreak::Yes);
            SoakFolder::WriteFile(kDrill, m_drillBytes);
        }
        if (DatabasePath == kDrill || DatabasePath == (m_folder.Path() / kDrill).string())
            m_current = m_drill;
        ExpectFilesAsWritten(SoakFolder::Detail::Names);
    }

    // Closes what is open when the Open dialog needs it, switches the
    // direction, opens one of the databases and hides its introduction.
    void Open(int opening)
    {
        platform::Headless().Reset();
        m_mode = opening % 3 == 2 ? ModeMeaningToWord : ModeWordToMeaning;
        Click(m_mode == ModeMeaningToWord ? IDC_MEANING_TO_WORD : IDC_WORD_TO_MEANING);

        const auto choose = [&](const std::string& path) {
            ChooseMenuItem(ID_FILE_CLOSE_DATABASE);
            platform::Headless().QueueFileChoice(path);
            ChooseMenuItem(ID_FILE_OPEN_DATABASE);
        };
        switch (opening % 5) {
        case 0:
            Click(IDC_SAT100);
            m_current = Source{Source::Kind::Pairs, "sat:", 100};
            break;
        case 1:
            Click(IDC_GRE1265);
            // Without a final line break the last pair is still complete.
            m_current = Source{Source::Kind::Pairs, "gre:", 1265};
            break;
        case 2:
            choose((m_folder.Path() / kDrill).string());
            m_current = m_drill;
            break;
        case 3:
            choose(kDrill);
            m_current = m_drill;
            break;
        default:
            choose(kAbsent);
            m_current = Source{};
            break;
        }

        const std::string title = m_current.kind == Source::Kind::Pairs ? "Title " + m_current.prefix : "";
        EXPECT_EQ(m_dlg.GetWindowText().str(), "Wordloom 1.0 - [" + title + "]") << "opening " << opening;

        // The learner reads the introduction, now and then the usage text and
        // the About box too, and closes each window.
        if (opening % 50 == 0)
            ChooseMenuItem(ID_HELP_HOW_TO_USE);
        if (opening % 100 == 0)
            ChooseMenuItem(ID_HELP_ABOUT);
        CountWindows();
        for (platform::Window* window : platform::TopLevelWindows()) {
            if (window->Id() != static_cast<int>(IDD_INFO))
                continue;
            if (opening % 2 == 0)
                platform::PressKey(*window, platform::Key::Escape);
            else
                platform::Click(*window->ChildById(IDOK));
        }
        ASSERT_EQ(platform::TopLevelWindows().size(), 1u) << "opening " << opening;
        ExpectFilesAsWritten(SoakFolder::Detail::Names);
    }

    void CountWindows() { m_mostWindows = std::max(m_mostWindows, platform::TopLevelWindows().size()); }

    void ExpectNoQuestion(const std::string& reason)
    {
        ++m_unasked;
        EXPECT_EQ(Text(IDC_QUESTION), reason) << "step " << m_step;
        EXPECT_FALSE(Control(IDC_GO).IsEnabled()) << "step " << m_step;
        for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
            EXPECT_FALSE(Control(id).IsVisibleFlag()) << "step " << m_step;
    }

    // Answers the question on screen, if the database gave one, and checks
    // that the question, the options and the verdict belong together.
    bool AnswerIfAsked()
    {
        if (m_current.kind != Source::Kind::Pairs) {
            ExpectNoQuestion("This database cannot be read.");
            return false;
        }
        if (m_current.pairs < 5) {
            ExpectNoQuestion("This database holds fewer than five word pairs.");
            return false;
        }
        const bool wordToMeaning = m_mode == ModeWordToMeaning;
        const std::string asked = wordToMeaning ? "w" : "m";
        const std::string shown = wordToMeaning ? "m" : "w";
        const std::string question = Text(IDC_QUESTION);
        const int k = PairNumber(question, asked);

        std::set<std::string> options;
        for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id) {
            EXPECT_TRUE(Control(id).IsVisibleFlag()) << "step " << m_step;
            const std::string option = Text(id);
            PairNumber(option, shown);
            options.insert(option);
        }
        EXPECT_EQ(options.size(), 5u) << "step " << m_step << ": five different options";
        const int correct = m_dlg.GetCorrectSlot();
        EXPECT_EQ(Text(IDC_OPTION1 + correct - 1), m_current.prefix + shown + std::to_string(k)) << "step " << m_step;

        const int pick = 1 + m_answered % 5;
        Click(IDC_OPTION1 + pick - 1);
        EXPECT_EQ(m_dlg.IsDlgButtonChecked(IDC_OPTION1 + pick - 1), BST_CHECKED);
        Click(IDC_GO);
        EXPECT_EQ(Text(IDC_RESULT), pick == correct ? "YES! You got it!" : "No! Correct answer is:")
            << "step " << m_step;
        const std::string number = std::to_string(k);
        EXPECT_EQ(Text(IDC_ANSWER), m_current.prefix + "w" + number + "\r\n" + m_current.prefix + "m" + number)
            << "step " << m_step;
        EXPECT_TRUE(platform::Headless().MessageBoxes().empty()) << "an option was picked";

        m_right += pick == correct ? 1 : 0;
        ++m_answered;
        if (m_answered == kWindowOfMeasure) {
            m_firstHeap = HeapInUse();
            m_firstRss = ResidentKiB();
        }
        if (m_answered == kQuestions) {
            m_lastHeap = HeapInUse();
            m_lastRss = ResidentKiB();
        }
        CountWindows();
        return true;
    }

    // The k of a text "<prefix><side><k>" of the current database, checking
    // that the pair exists there; -1 when the text is none of them.
    int PairNumber(const std::string& text, const std::string& side)
    {
        const std::string head = m_current.prefix + side;
        if (text.compare(0, head.size(), head) != 0) {
            ADD_FAILURE() << "step " << m_step << ": \"" << text << "\" is not from " << head;
            return -1;
        }
        const int k = std::stoi(text.substr(head.size()));
        EXPECT_LT(k, m_current.pairs) << "step " << m_step;
        return k;
    }

    // The folder holds exactly what the test wrote: no file was created, and
    // every database holds the bytes it was given.
    void ExpectFilesAsWritten(SoakFolder::Detail detail)
    {
        const bool bytes = detail == SoakFolder::Detail::Bytes;
        std::map<std::string, std::string> expected{
            {"SAT100.TXT", bytes ? m_sat : "<file>"},
            {"GRE.TXT", bytes ? m_gre : "<file>"},
            {"notes.txt", bytes ? m_notes : "<file>"},
        };
        if (m_drill.kind == Source::Kind::Pairs)
            expected[kDrill] = bytes ? m_drillBytes : "<file>";
        else if (m_drill.kind == Source::Kind::Folder)
            expected[kDrill] = "<folder>";
        ASSERT_EQ(m_folder.Contents(detail), expected) << "step " << m_step;
    }

    SoakFolder m_folder;
    std::string m_sat;
    std::string m_gre;
    std::string m_notes;
    std::string m_drillBytes;
    Source m_drill;
    Source m_current;
    int m_generation = 0;
    int m_mode = ModeWordToMeaning;
    CQuizDlg m_dlg;

    int m_step = 0;
    int m_answered = 0;
    int m_right = 0;
    int m_unasked = 0;
    std::size_t m_mostWindows = 0;
    std::size_t m_firstHeap = 0;
    std::size_t m_lastHeap = 0;
    long m_firstRss = 0;
    long m_lastRss = 0;
};

TEST(Soak, ThousandOpeningsAndTwentyThousandQuestionsOverAChangingDatabase)
{
    Soak soak;
    soak.Run();
}

} // namespace
