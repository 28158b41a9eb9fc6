#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/database/DatabaseTest.h"
#include "tests/support/RunInChild.h"

namespace {

// Long enough for any machine, short enough that a hang ends the run.
constexpr unsigned kWatchdogSeconds = 10;

// What the read operations returned, as seen in the child process.
struct Outcome {
    bool skipped;
    DrawResult draw;
    int32_t indices[5];
    char title[255];
    char line[255];
    WordPair pair;
    WordPair lastPair;
};

// A read that blocks or never ends fails the test instead of hanging the run.
::testing::AssertionResult RunGuarded(const std::function<void(Outcome&)>& body, Outcome& outcome)
{
    return RunInChild(kWatchdogSeconds, body, outcome);
}

// Calls every read operation on the current database.
void ReadEverything(Outcome& outcome)
{
    for (int32_t& index : outcome.indices)
        index = -7;
    outcome.draw = DrawPairIndices(outcome.indices[0], outcome.indices[1], outcome.indices[2],
                                   outcome.indices[3], outcome.indices[4]);
    std::strcpy(outcome.title, ReadDatabaseTitle());
    std::strcpy(outcome.line, ReadDatabaseLine(3));
    // The negative index first, while the buffers still hold the earlier pair.
    ReadPair(-1, outcome.lastPair);
    ReadPair(0, outcome.pair);
}

enum class Rights { Own, Nobody };

struct UnreadableCase {
    const char* name;
    // Prepares the case in the test's directory and returns the database path.
    std::function<std::string(const std::filesystem::path& directory)> prepare;
    Rights rights;
};

void PrintTo(const UnreadableCase& c, std::ostream* os)
{
    *os << c.name;
}

class Unreadable : public DatabaseTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(Unreadable, ReadsAsNothingWithoutBlockingOrCreatingAFile)
{
    const std::string earlier = WriteFile(Introduction() + Pairs(5), "earlier.txt");
    const std::string path = GetParam().prepare(Directory());
    const auto entriesBefore = std::distance(std::filesystem::directory_iterator(Directory()), {});
    const bool existedBefore = std::filesystem::exists(std::filesystem::symlink_status(path));

    Outcome outcome{};
    ASSERT_TRUE(RunGuarded(
        [&](Outcome& result) {
            // Leave texts in every buffer first, so that a stale one would show.
            DatabasePath = earlier;
            ReadDatabaseLine(1);
            ReadPair(0, result.pair);
            DatabasePath = path;
            if (GetParam().rights == Rights::Nobody && ::geteuid() == 0 &&
                (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                result.skipped = true;
                return;
            }
            ReadEverything(result);
        },
        outcome));
    if (outcome.skipped)
        GTEST_SKIP() << "cannot give up root's rights here";

    EXPECT_EQ(outcome.draw, DrawResult::Unreadable);
    for (int32_t index : outcome.indices)
        EXPECT_EQ(index, -7);
    EXPECT_STREQ(outcome.title, "");
    EXPECT_STREQ(outcome.line, "");
    EXPECT_STREQ(outcome.pair.word, "");
    EXPECT_STREQ(outcome.pair.meaning, "");
    EXPECT_STREQ(outcome.lastPair.word, "");
    EXPECT_STREQ(outcome.lastPair.meaning, "");

    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Directory()), {}), entriesBefore);
    EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(path)), existedBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Unreadable,
    ::testing::Values(
        UnreadableCase{"EmptyPath", [](const auto&) { return std::string(); }, Rights::Own},
        UnreadableCase{"MissingFile", [](const auto& dir) { return (dir / "missing.txt").string(); },
                       Rights::Own},
        UnreadableCase{"MissingFolder",
                       [](const auto& dir) { return (dir / "missing" / "database.txt").string(); },
                       Rights::Own},
        UnreadableCase{"Directory",
                       [](const auto& dir) {
                           std::filesystem::create_directory(dir / "folder");
                           return (dir / "folder").string();
                       },
                       Rights::Own},
        UnreadableCase{"Fifo",
                       [](const auto& dir) {
                           const std::string path = (dir / "fifo").string();
                           ::mkfifo(path.c_str(), 0600);
                           return path;
                       },
                       Rights::Own},
        UnreadableCase{"Device", [](const auto&) { return std::string("/dev/zero"); }, Rights::Own},
        UnreadableCase{"SymlinkLoop",
                       [](const auto& dir) {
                           std::filesystem::create_symlink(dir / "loop-b.txt", dir / "loop-a.txt");
                           std::filesystem::create_symlink(dir / "loop-a.txt", dir / "loop-b.txt");
                           return (dir / "loop-a.txt").string();
                       },
                       Rights::Own},
        // Opening with the right to create would create the link's target.
        UnreadableCase{"DanglingSymlink",
                       [](const auto& dir) {
                           std::filesystem::create_symlink(dir / "target.txt", dir / "link.txt");
                           return (dir / "link.txt").string();
                       },
                       Rights::Own},
        UnreadableCase{"NoPermission",
                       [](const auto& dir) {
                           const std::string path = (dir / "locked.txt").string();
                           std::ofstream(path) << DatabaseTest::Introduction() << DatabaseTest::Pairs(5);
                           std::filesystem::permissions(path, std::filesystem::perms::none);
                           // Others may pass through the folder, so only the file's own rights refuse.
                           std::filesystem::permissions(dir, std::filesystem::perms::others_exec,
                                                        std::filesystem::perm_options::add);
                           return path;
                       },
                       Rights::Nobody}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Reading /proc/self/mem from its start fails at once: a regular file whose
// first read is an error reads as an empty file.
TEST(ReadError, EndsTheFile)
{
    Outcome outcome{};
    ASSERT_TRUE(RunGuarded(
        [](Outcome& result) {
            DatabasePath = "/proc/self/mem";
            ReadEverything(result);
        },
        outcome));
    EXPECT_EQ(outcome.draw, DrawResult::TooFewPairs);
    EXPECT_STREQ(outcome.title, "");
    EXPECT_STREQ(outcome.pair.word, "");
    EXPECT_STREQ(outcome.pair.meaning, "");
}

} // namespace
