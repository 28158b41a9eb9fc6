#include <climits>
#include <cstring>
#include <string>

#include "tests/database/DatabaseTest.h"

namespace {

struct Pair {
    std::string word;
    std::string meaning;
};

Pair Fetch(int32_t k)
{
    WordPair pair;
    std::memset(&pair, 'X', sizeof pair);
    ReadPair(k, pair);
    return {pair.word, pair.meaning};
}

bool operator==(const Pair& a, const Pair& b)
{
    return a.word == b.word && a.meaning == b.meaning;
}

void PrintTo(const Pair& p, std::ostream* os)
{
    *os << "{" << ::testing::PrintToString(p.word) << ", " << ::testing::PrintToString(p.meaning) << "}";
}

TEST_F(DatabaseTest, FirstPairFollowsTheIntroduction)
{
    const std::string bytes[] = {
        Introduction() + Pairs(3),
        Introduction("\r\n") + Pairs(3, "\r\n"),
        WithoutFinalBreak(Introduction() + Pairs(3)),
        WithoutFinalBreak(Introduction("\r\n") + Pairs(3, "\r\n")),
    };
    for (const std::string& file : bytes) {
        UseDatabase(file);
        EXPECT_EQ(Fetch(0), (Pair{"w0", "m0"}));
        EXPECT_EQ(Fetch(1), (Pair{"w1", "m1"}));
        EXPECT_EQ(Fetch(2), (Pair{"w2", "m2"}));
        EXPECT_EQ(Fetch(3), (Pair{"", ""}));
        EXPECT_EQ(Fetch(INT_MAX), (Pair{"", ""}));
    }
}

TEST_F(DatabaseTest, ALongIntroductionLineMovesThePairsDown)
{
    std::string introduction = Introduction();
    introduction.replace(introduction.find("intro 5"), 7, std::string(300, 'x'));
    UseDatabase(introduction + Pairs(2));
    EXPECT_EQ(Fetch(0), (Pair{"intro 18", "w0"}));
    EXPECT_EQ(Fetch(1), (Pair{"m0", "w1"}));
}

TEST_F(DatabaseTest, ALongMeaningIsSplitIntoTheNextPair)
{
    UseDatabase(Introduction() + "w0\n" + std::string(254, 'm') + std::string(46, 'n') + "\nw1\nm1\n");
    EXPECT_EQ(Fetch(0), (Pair{"w0", std::string(254, 'm')}));
    EXPECT_EQ(Fetch(1), (Pair{std::string(46, 'n'), "w1"}));
    EXPECT_EQ(Fetch(2), (Pair{"m1", ""}));
}

TEST_F(DatabaseTest, WordWithoutMeaningReadsWithAnEmptyMeaning)
{
    UseDatabase(Introduction() + Pairs(1) + "w1");
    EXPECT_EQ(Fetch(1), (Pair{"w1", ""}));
}

TEST_F(DatabaseTest, FileShorterThanTheIntroductionHasNoPairs)
{
    UseDatabase("Title\nintro 1\nintro 2");
    EXPECT_EQ(Fetch(0), (Pair{"", ""}));
}

TEST_F(DatabaseTest, NegativeIndexReturnsThePairLastFetched)
{
    UseDatabase(Introduction() + Pairs(3));
    Fetch(1);
    EXPECT_EQ(Fetch(-1), (Pair{"w1", "m1"}));
    EXPECT_EQ(Fetch(INT_MIN), (Pair{"w1", "m1"}));

    // It is the pair fetched, not a pair looked up again.
    UseDatabase(Introduction() + "other\nother\n", "other.txt");
    EXPECT_EQ(Fetch(-1), (Pair{"w1", "m1"}));

    Fetch(5);
    EXPECT_EQ(Fetch(-1), (Pair{"", ""}));
}

TEST_F(DatabaseTest, EachPairReadSeesTheFileAsItIsNow)
{
    UseDatabase(Introduction() + Pairs(2));
    EXPECT_EQ(Fetch(1), (Pair{"w1", "m1"}));
    UseDatabase(Introduction() + "new\nnewer\n");
    EXPECT_EQ(Fetch(0), (Pair{"new", "newer"}));
    EXPECT_EQ(Fetch(1), (Pair{"", ""}));
}

} // namespace
