#pragma once

// A quiz window built modeless on the headless host, over databases written
// into a temporary folder that is also the current directory while a test
// runs (the preloaded databases are opened by relative names).

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "database/database.h"
#include "database/random_clock.h"
#include "platform/DialogManager.h"
#include "platform/Framework.h"
#include "platform/HeadlessHost.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "quiz/QuizDlg.h"
#include "resources/resource.h"
#include "tests/support/TemporaryCurrentFolder.h"

namespace quiz_test {

// The clock SeedRandom reads; tests set it.
inline std::time_t g_clock = 1000;
inline std::time_t FixedClock() { return g_clock; }

struct Pair {
    std::string word;
    std::string meaning;
};

// Pairs w0/m0, w1/m1, ...: a text tells which pair it came from.
std::vector<Pair> NumberedPairs(int count);
// A database: the title, 18 more introduction lines, then the pairs; CR LF line ends.
std::string DatabaseText(const std::string& title, const std::vector<Pair>& pairs);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

class QuizTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a database into the test's folder and returns its full path.
    std::string Database(const std::string& name, const std::string& title, int pairs);

    // Sends a menu command or button click, as the dialog's map receives it.
    void Command(UINT id);
    CString Text(int id) const { return dlg.GetDlgItemText(id); }
    CString Caption() const { return dlg.GetWindowText(); }
    bool Visible(int id) const { return dlg.GetDlgItem(id)->IsWindowVisible(); }
    bool Enabled(int id) const { return dlg.GetDlgItem(id)->IsWindowEnabled(); }
    bool Checked(int id) const { return dlg.IsDlgButtonChecked(id) == BST_CHECKED; }
    UINT MenuState(UINT command) const { return dlg.GetMenu()->GetMenuState(command, MF_BYCOMMAND); }
    std::vector<std::string> Options() const;
    // The information windows that exist now, oldest first.
    std::vector<platform::Window*> InfoWindows() const;
    platform::HeadlessHost& host() { return platform::Headless(); }

    TemporaryCurrentFolder workFolder{"wordloom-quiz"};
    const std::filesystem::path& folder = workFolder.Path();
    CQuizDlg dlg;
};

}  // namespace quiz_test
