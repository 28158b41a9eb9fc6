#include <climits>
#include <string>
#include <vector>

#include "tests/database/DatabaseTest.h"

namespace {

using namespace std::string_literals;

std::string Run(char byte, std::size_t length)
{
    return std::string(length, byte);
}

struct LinesCase {
    const char* name;
    std::string bytes;
    // The lines as callers see them; every line after these reads empty.
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os)
{
    *os << c.name;
}

class LineReading : public DatabaseTest, public ::testing::WithParamInterface<LinesCase> {};

TEST_P(LineReading, ReadsEachLineAndEmptyTextsAfterTheLast)
{
    const LinesCase& c = GetParam();
    UseDatabase(c.bytes);
    for (std::size_t n = 0; n < c.lines.size(); ++n)
        EXPECT_EQ(ReadDatabaseLine(static_cast<int32_t>(n)), c.lines[n]) << "line " << n;
    for (std::size_t n = c.lines.size(); n < c.lines.size() + 3; ++n)
        EXPECT_STREQ(ReadDatabaseLine(static_cast<int32_t>(n)), "") << "line " << n;
    EXPECT_EQ(ReadDatabaseTitle(), c.lines.empty() ? "" : c.lines[0]);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, LineReading,
    ::testing::Values(
        LinesCase{"LF", "title\nab\ncd\n", {"title", "ab", "cd"}},
        LinesCase{"CrLf", "title\r\nab\r\ncd\r\n", {"title", "ab", "cd"}},
        LinesCase{"CrAloneIsText", "title\rab\rcd\r\n", {"title\rab\rcd"}},
        LinesCase{"CrCrLfKeepsOneCr", "abc\r\r\nnext\r\n", {"abc\r", "next"}},
        LinesCase{"LfCrStartsTheNextLineWithCr", "ab\n\rcd\n", {"ab", "\rcd"}},
        LinesCase{"EmptyLines", "\n\r\n\nx\n", {"", "", "", "x"}},
        LinesCase{"LastLineWithoutBreak", "title\nlast", {"title", "last"}},
        LinesCase{"LastLineEndsInCr", "title\nlast\r", {"title", "last\r"}},
        LinesCase{"EmptyFile", "", {}},
        LinesCase{"ShorterThanTheIntroduction", "title\nintro\n", {"title", "intro"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SpecialBytes, LineReading,
    ::testing::Values(
        LinesCase{"CtrlZEndsTheFile", "title\r\nab\x1A" "cd\r\nhidden\r\n", {"title", "ab"}},
        LinesCase{"CtrlZAtLineStart", "title\n\x1Ahidden\n", {"title"}},
        LinesCase{"CrBeforeCtrlZStays", "title\r\x1A\n", {"title\r"}},
        LinesCase{"CtrlZSplitsCrLf", "title\r\x1A\nhidden", {"title\r"}},
        LinesCase{"NulEndsTheVisibleText", "ab\0cd\nnext\n"s, {"ab", "next"}},
        LinesCase{"NulFirst", "\0hidden\nnext"s, {"", "next"}},
        LinesCase{"FfIsAnOrdinaryByte", "a\xFF" "b\n\xFF\nnext\n", {"a\xFF" "b", "\xFF", "next"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LongLines, LineReading,
    ::testing::Values(
        LinesCase{"Exactly254SplitsOffAnEmptyLine", Run('x', 254) + "\nnext\n", {Run('x', 254), "", "next"}},
        LinesCase{"Exactly254WithCrLf", Run('x', 254) + "\r\nnext\r\n", {Run('x', 254), "", "next"}},
        LinesCase{"253AndCrLfIsOneLine", Run('x', 253) + "\r\nnext\r\n", {Run('x', 253), "next"}},
        LinesCase{"253AndLoneCrFillsTheLine", Run('x', 253) + "\rX\n", {Run('x', 253) + "\r", "X"}},
        LinesCase{"254AndLoneCr", Run('x', 254) + "\rX\n", {Run('x', 254), "\rX"}},
        LinesCase{"300SplitsInto254And46", Run('x', 254) + Run('y', 46) + "\nnext\n",
                  {Run('x', 254), Run('y', 46), "next"}},
        LinesCase{"508SplitsIntoThree", Run('x', 254) + Run('y', 254) + "\nnext\n",
                  {Run('x', 254), Run('y', 254), "", "next"}},
        LinesCase{"254AtTheEndWithoutBreak", "title\n" + Run('x', 254), {"title", Run('x', 254)}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(DatabaseTest, LineEndsAndATrailingCtrlZDoNotChangeTheLines)
{
    const std::string lf = Introduction() + Pairs(3);
    const std::string crLf = Introduction("\r\n") + Pairs(3, "\r\n");
    const std::string ctrlZ = crLf + "\x1A" + Pairs(2, "\r\n");

    std::vector<std::string> expected;
    UseDatabase(lf);
    for (int32_t n = 0; n < 27; ++n)
        expected.emplace_back(ReadDatabaseLine(n));
    EXPECT_EQ(expected[0], "Title");
    EXPECT_EQ(expected[24], "m2");

    for (const std::string& bytes : {crLf, ctrlZ}) {
        UseDatabase(bytes);
        for (int32_t n = 0; n < 27; ++n)
            EXPECT_EQ(ReadDatabaseLine(n), expected[static_cast<std::size_t>(n)]) << "line " << n;
    }
}

TEST_F(DatabaseTest, ByteOrderMarkIsPartOfTheTitle)
{
    UseDatabase("\xEF\xBB\xBFTitle\r\nintro\r\n");
    EXPECT_STREQ(ReadDatabaseTitle(), "\xEF\xBB\xBFTitle");
}

TEST_F(DatabaseTest, LineNumbersOutsideTheFileReadEmpty)
{
    UseDatabase(Introduction() + Pairs(2));
    for (int32_t n : {-1, -19, INT_MIN, 23, 1000, INT_MAX})
        EXPECT_STREQ(ReadDatabaseLine(n), "") << "line " << n;
    EXPECT_STREQ(ReadDatabaseLine(22), "m1");
}

TEST_F(DatabaseTest, EachReadSeesTheFileAsItIsNow)
{
    UseDatabase("First title\nintro\n");
    EXPECT_STREQ(ReadDatabaseTitle(), "First title");
    UseDatabase("Second title\nintro\n");
    EXPECT_STREQ(ReadDatabaseTitle(), "Second title");
    EXPECT_STREQ(ReadDatabaseLine(1), "intro");
    UseDatabase("Second title\n");
    EXPECT_STREQ(ReadDatabaseLine(1), "");
}

} // namespace
