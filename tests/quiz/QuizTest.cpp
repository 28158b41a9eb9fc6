#include "QuizTest.h"

#include <fstream>

namespace quiz_test {

std::vector<Pair> NumberedPairs(int count)
{
    std::vector<Pair> pairs;
    for (int k = 0; k < count; ++k)
        pairs.push_back({"w" + std::to_string(k), "m" + std::to_string(k)});
    return pairs;
}

std::string DatabaseText(const std::string& title, const std::vector<Pair>& pairs)
{
    std::string text = title + "\r\n";
    for (int n = 1; n < 19; ++n)
        text += "intro " + std::to_string(n) + "\r\n";
    for (const Pair& p : pairs)
        text += p.word + "\r\n" + p.meaning + "\r\n";
    return text;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void QuizTest::SetUp()
{
    DatabasePath.clear();
    g_clock = 1000;
    SetRandomClock(&FixedClock);
    platform::Headless().Reset();
    ASSERT_TRUE(dlg.Create(IDD_QUIZ));
}

void QuizTest::TearDown()
{
    dlg.DestroyWindow();
    EXPECT_TRUE(platform::TopLevelWindows().empty()) << "the main window takes its information windows with it";
    SetRandomClock(nullptr);
    platform::Headless().Reset();
}

std::string QuizTest::Database(const std::string& name, const std::string& title, int pairs)
{
    const std::filesystem::path path = folder / name;
    WriteFile(path, DatabaseText(title, NumberedPairs(pairs)));
    return path.string();
}

void QuizTest::Command(UINT id)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::vector<std::string> QuizTest::Options() const
{
    std::vector<std::string> texts;
    for (int id = IDC_OPTION1; id <= IDC_OPTION5; ++id)
        texts.push_back(Text(id).str());
    return texts;
}

std::vector<platform::Window*> QuizTest::InfoWindows() const
{
    std::vector<platform::Window*> windows;
    for (platform::Window* w : platform::TopLevelWindows())
        if (w->Id() == static_cast<int>(IDD_INFO))
            windows.push_back(w);
    return windows;
}

}  // namespace quiz_test
