// Hostile database paths and bytes, each read through the database layer and
// then opened in the quiz window. Every case must end (a watchdog kills a
// case that hangs), keep every text within 254 bytes, say the right thing in
// the window, and leave the folder as it was. The time of each case is
// printed, not judged.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/random_clock.h"
#include "platform/DialogManager.h"
#include "platform/Framework.h"
#include "platform/HeadlessHost.h"
#include "platform/Window.h"
#include "quiz/QuizDlg.h"
#include "resources/resource.h"
#include "tests/soak/SoakFolder.h"
#include "tests/support/RunInChild.h"

namespace {

namespace fs = std::filesystem;

// Far beyond what any case needs; only a hang reaches it.
constexpr unsigned kWatchdogSeconds = 20;
constexpr std::size_t kMaxText = 254;

std::time_t FixedClock() { return 1700000000; }

std::string Introduction(const std::string& eol)
{
    std::string text = "Title" + eol;
    for (int n = 1; n < 19; ++n)
        text += "intro " + std::to_string(n) + eol;
    return text;
}

std::string Pairs(int count, const std::string& eol)
{
    std::string text;
    for (int k = 0; k < count; ++k)
        text += "w" + std::to_string(k) + eol + "m" + std::to_string(k) + eol;
    return text;
}

// What the database layer and the window made of a case.
struct Outcome {
    DrawResult draw = DrawResult::Unreadable;
    int32_t index[5] = {-7, -7, -7, -7, -7};
    char title[255] = {};
    char lastIntroLine[255] = {};
    WordPair asked = {};
    std::size_t longestText = 0;
    char question[255] = {};
    bool optionsShown = false;
    bool goEnabled = false;
    double layerMs = 0;
    double windowMs = 0;
};

void NoteLength(Outcome& outcome, const char* text)
{
    outcome.longestText = std::max(outcome.longestText, std::strlen(text));
}

void CopyText(char (&destination)[255], const std::string& text)
{
    std::snprintf(destination, sizeof destination, "%s", text.c_str());
}

// Every read operation and a draw, then the same path opened in the window
// through the Open dialog, and the introduction closed again.
void ReadAndOpen(const std::string& path, Outcome& outcome)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    DatabasePath = path;
    CopyText(outcome.title, ReadDatabaseTitle());
    NoteLength(outcome, outcome.title);
    for (int32_t n = 0; n < 19; ++n) {
        const char* line = ReadDatabaseLine(n);
        NoteLength(outcome, line);
        CopyText(outcome.lastIntroLine, line);
    }
    outcome.draw = DrawPairIndices(outcome.index[0], outcome.index[1], outcome.index[2], outcome.index[3],
                                   outcome.index[4]);
    for (int32_t k : outcome.index) {
        WordPair pair;
        ReadPair(outcome.draw == DrawResult::Drawn ? k : 0, pair);
        NoteLength(outcome, pair.word);
        NoteLength(outcome, pair.meaning);
        if (k == outcome.index[0])
            outcome.asked = pair;
    }
    const auto read = Clock::now();

    DatabasePath.clear();
    SetRandomClock(&FixedClock);
    platform::Headless().Reset();
    {
        CQuizDlg dlg;
        dlg.Create(IDD_QUIZ);
        platform::Headless().QueueFileChoice(path);
        platform::ChooseMenuItem(*dlg.m_hWnd, ID_FILE_OPEN_DATABASE);
        CopyText(outcome.question, dlg.GetDlgItemText(IDC_QUESTION).str());
        NoteLength(outcome, outcome.question);
        NoteLength(outcome, dlg.GetDlgItemText(IDC_OPTION1).str().c_str());
        outcome.optionsShown = dlg.GetDlgItem(IDC_OPTION1)->m_hWnd->IsVisibleFlag();
        outcome.goEnabled = dlg.GetDlgItem(IDC_GO)->m_hWnd->IsEnabled();
        for (platform::Window* window : platform::TopLevelWindows())
            if (window->Id() == static_cast<int>(IDD_INFO))
                platform::PressKey(*window, platform::Key::Escape);
        dlg.DestroyWindow();
    }
    SetRandomClock(nullptr);
    platform::Headless().Reset();
    DatabasePath.clear();
    outcome.layerMs = std::chrono::duration<double, std::milli>(read - start).count();
    outcome.windowMs = std::chrono::duration<double, std::milli>(Clock::now() - read).count();
}

enum class Rights { Own, Nobody };

// Runs the case in a child process that an alarm kills, so that a read that
// blocks or never ends fails the case instead of hanging the run. With
// Nobody the child first gives up root's rights; skipped when it cannot.
::testing::AssertionResult RunGuarded(const std::string& path, Rights rights, Outcome& outcome, bool& skipped)
{
    struct Report {
        bool skipped;
        Outcome outcome;
    } report{};
    const std::function<void(Report&)> body = [&](Report& r) {
        if (rights == Rights::Nobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            r.skipped = true;
        else
            ReadAndOpen(path, r.outcome);
    };
    const ::testing::AssertionResult ran = RunInChild(kWatchdogSeconds, body, report);
    outcome = report.outcome;
    skipped = report.skipped;
    return ran;
}

struct BadInput {
    const char* name;
    // Makes the case in the current folder and returns the database path.
    std::function<std::string()> prepare;
    DrawResult draw;
    // The title the window shows, when the case pins it down.
    std::function<std::string()> title;
    Rights rights = Rights::Own;
};

void PrintTo(const BadInput& input, std::ostream* os)
{
    *os << input.name;
}

std::string Write(const std::string& name, const std::string& bytes)
{
    SoakFolder::WriteFile(name, bytes);
    return (fs::current_path() / name).string();
}

std::string TenMegabyteLine()
{
    return std::string(10 * 1024 * 1024, 'x');
}

enum class CtrlZ { Kept, Replaced };

// 64 KiB of bytes from a fixed generator. Such bytes hold a Ctrl-Z early on,
// which ends the file; replaced, the reader has to get through all of them.
std::string Garbage(CtrlZ ctrlZ)
{
    std::mt19937 generator(8);
    std::string bytes(64 * 1024, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator() & 0xFF);
        if (ctrlZ == CtrlZ::Replaced && byte == '\x1A')
            byte = '\x1B';
    }
    return bytes;
}

const BadInput kBadInputs[] = {
    {"EmptyFile", [] { return Write("empty.txt", ""); }, DrawResult::TooFewPairs, [] { return ""; }},
    {"NineteenLinesOnly", [] { return Write("intro.txt", Introduction("\r\n")); }, DrawResult::TooFewPairs,
     [] { return "Title"; }},
    {"OneLineOfTenMegabytes", [] { return Write("long.txt", TenMegabyteLine()); }, DrawResult::Drawn,
     [] { return std::string(kMaxText, 'x'); }},
    {"NulBytes",
     [] {
         // The title and a pair hide what follows their NUL.
         const std::string introduction = std::string("Ti\0tle\n", 7) + Introduction("\n").substr(6);
         return Write("nul.txt", introduction + std::string("w\0x\nm\0y\n", 8) + Pairs(5, "\n"));
     },
     DrawResult::Drawn, [] { return "Ti"; }},
    {"BinaryGarbage", [] { return Write("garbage.bin", Garbage(CtrlZ::Kept)); }, DrawResult::TooFewPairs, nullptr},
    {"BinaryGarbageWithoutCtrlZ", [] { return Write("garbage.bin", Garbage(CtrlZ::Replaced)); }, DrawResult::Drawn,
     nullptr},
    {"CrOnlyLineEnds", [] { return Write("cr.txt", Introduction("\r") + Pairs(5, "\r")); }, DrawResult::TooFewPairs,
     [] { return (Introduction("\r") + Pairs(5, "\r")).substr(0, kMaxText); }},
    {"CtrlZFirst", [] { return Write("ctrlz.txt", "\x1A" + Introduction("\n") + Pairs(5, "\n")); },
     DrawResult::TooFewPairs, [] { return ""; }},
    {"OneMillionPairs", [] { return Write("million.txt", Introduction("\r\n") + Pairs(1000000, "\r\n")); },
     DrawResult::Drawn, [] { return "Title"; }},
    {"Folder",
     [] {
         fs::create_directory("folder.txt");
         return (fs::current_path() / "folder.txt").string();
     },
     DrawResult::Unreadable, [] { return ""; }},
    {"Fifo",
     [] {
         ::mkfifo("fifo.txt", 0600);
         return (fs::current_path() / "fifo.txt").string();
     },
     DrawResult::Unreadable, [] { return ""; }},
    {"DevZero", [] { return std::string("/dev/zero"); }, DrawResult::Unreadable, [] { return ""; }},
    {"SymlinkLoop",
     [] {
         fs::create_symlink("loop-b.txt", "loop-a.txt");
         fs::create_symlink("loop-a.txt", "loop-b.txt");
         return (fs::current_path() / "loop-a.txt").string();
     },
     DrawResult::Unreadable, [] { return ""; }},
    {"SymlinkToAMissingFile",
     [] {
         fs::create_symlink("missing.txt", "dangling.txt");
         return (fs::current_path() / "dangling.txt").string();
     },
     DrawResult::Unreadable, [] { return ""; }},
    {"PathOver4096Bytes",
     [] {
         // It names a real database, by way of a folder entered and left 900 times.
         Write("real.txt", Introduction("\n") + Pairs(5, "\n"));
         fs::create_directory("sub");
         std::string path = fs::current_path().string() + "/";
         for (int i = 0; i < 900; ++i)
             path += "sub/../";
         return path + "real.txt";
     },
     DrawResult::Unreadable, [] { return ""; }},
    {"NoReadPermission",
     [] {
         const std::string path = Write("locked.txt", Introduction("\n") + Pairs(5, "\n"));
         fs::permissions(path, fs::perms::none);
         // Others may pass through the folder, so only the file's own rights refuse.
         fs::permissions(fs::current_path(), fs::perms::others_exec, fs::perm_options::add);
         return path;
     },
     DrawResult::Unreadable, [] { return ""; }, Rights::Nobody},
};

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, EndPromptlyAndLeaveTheFolderAsItWas)
{
    const BadInput& input = GetParam();
    SoakFolder folder;
    const std::string path = input.prepare();
    ASSERT_GT(path.size(), 0u);
    const auto before = folder.Contents(SoakFolder::Detail::Bytes);

    Outcome outcome;
    bool skipped = false;
    ASSERT_TRUE(RunGuarded(path, input.rights, outcome, skipped));
    if (skipped)
        GTEST_SKIP() << "running as root and cannot give up root's rights here: root reads any file";
    std::printf("bad input %s: reads and draw %.1f ms, opening in the window %.1f ms\n", input.name,
                outcome.layerMs, outcome.windowMs);

    EXPECT_EQ(outcome.draw, input.draw);
    EXPECT_LE(outcome.longestText, kMaxText);
    if (input.title) {
        EXPECT_EQ(outcome.title, input.title());
    }
    switch (input.draw) {
    case DrawResult::Drawn:
        for (int i = 0; i < 5; ++i) {
            EXPECT_GE(outcome.index[i], 0);
            for (int j = 0; j < i; ++j)
                EXPECT_NE(outcome.index[i], outcome.index[j]);
        }
        EXPECT_TRUE(outcome.optionsShown);
        EXPECT_TRUE(outcome.goEnabled);
        EXPECT_STRNE(outcome.question, "This database cannot be read.");
        break;
    case DrawResult::TooFewPairs:
        EXPECT_STREQ(outcome.question, "This database holds fewer than five word pairs.");
        EXPECT_FALSE(outcome.optionsShown);
        EXPECT_FALSE(outcome.goEnabled);
        break;
    case DrawResult::Unreadable:
        EXPECT_STREQ(outcome.question, "This database cannot be read.");
        EXPECT_STREQ(outcome.lastIntroLine, "");
        EXPECT_STREQ(outcome.asked.word, "");
        EXPECT_STREQ(outcome.asked.meaning, "");
        EXPECT_FALSE(outcome.optionsShown);
        EXPECT_FALSE(outcome.goEnabled);
        break;
    }
    if (input.draw != DrawResult::Drawn) {
        for (int32_t index : outcome.index)
            EXPECT_EQ(index, -7) << "no index is stored without a draw";
    }

    EXPECT_EQ(folder.Contents(SoakFolder::Detail::Bytes), before) << "nothing was created or changed";
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputs, ::testing::ValuesIn(kBadInputs),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
