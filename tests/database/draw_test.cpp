#include <array>
#include <set>
#include <string>

#include "tests/database/DatabaseTest.h"

namespace {

using Indices = std::array<int32_t, 5>;

struct Draw {
    DrawResult result;
    Indices indices;
};

// Draws with every index preset to -7, so that an index left alone shows.
Draw DrawIndices()
{
    Indices i{-7, -7, -7, -7, -7};
    const DrawResult result = DrawPairIndices(i[0], i[1], i[2], i[3], i[4]);
    return {result, i};
}

TEST_F(DatabaseTest, WorkedDrawsOnFivePairs)
{
    struct Case {
        uint32_t seed;
        Indices expected;
    };
    const std::string files[] = {
        Introduction() + Pairs(5),
        WithoutFinalBreak(Introduction() + Pairs(5)),
        Introduction("\r\n") + Pairs(5, "\r\n"),
    };
    for (const std::string& file : files) {
        UseDatabase(file);
        for (const Case& c : {Case{12345, {1, 2, 3, 4, 0}}, Case{1, {0, 2, 4, 1, 3}}}) {
            SeedRandom(c.seed);
            const Draw draw = DrawIndices();
            EXPECT_EQ(draw.result, DrawResult::Drawn);
            EXPECT_EQ(draw.indices, c.expected) << "seed " << c.seed;
        }
    }
}

TEST_F(DatabaseTest, DrawConsumesExactlyItsCalls)
{
    UseDatabase(Introduction() + Pairs(5));
    // Seeded with 12345, the draw takes seven numbers: 1, 2, 3, 3, 0, 3, 4.
    SeedRandom(12345);
    for (int i = 0; i < 7; ++i)
        RandomBelow(5);
    const int32_t eighth = RandomBelow(32768);

    SeedRandom(12345);
    DrawIndices();
    EXPECT_EQ(RandomBelow(32768), eighth);
}

struct CountCase {
    const char* name;
    std::string bytes;
    DrawResult expected;
};

void PrintTo(const CountCase& c, std::ostream* os)
{
    *os << c.name;
}

class PairCount : public DatabaseTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(PairCount, FiveCompletePairsAreNeeded)
{
    UseDatabase(GetParam().bytes);
    SeedRandom(1);
    const Draw draw = DrawIndices();
    EXPECT_EQ(draw.result, GetParam().expected);
    if (draw.result != DrawResult::Drawn) {
        EXPECT_EQ(draw.indices, (Indices{-7, -7, -7, -7, -7}));
        EXPECT_EQ(RandomBelow(32768), 41) << "a random number was consumed";
    }
}

const std::string kIntroduction = DatabaseTest::Introduction();
const std::string kLong(300, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, PairCount,
    ::testing::Values(
        CountCase{"FivePairs", kIntroduction + DatabaseTest::Pairs(5), DrawResult::Drawn},
        CountCase{"FivePairsWithoutFinalBreak",
                  DatabaseTest::WithoutFinalBreak(kIntroduction + DatabaseTest::Pairs(5)), DrawResult::Drawn},
        CountCase{"FourPairs", kIntroduction + DatabaseTest::Pairs(4), DrawResult::TooFewPairs},
        CountCase{"FourPairsAndAWord", kIntroduction + DatabaseTest::Pairs(4) + "w4\n", DrawResult::TooFewPairs},
        CountCase{"FourPairsAndAWordWithoutBreak", kIntroduction + DatabaseTest::Pairs(4) + "w4",
                  DrawResult::TooFewPairs},
        CountCase{"FourPairsAndA254ByteWordWithoutBreak",
                  kIntroduction + DatabaseTest::Pairs(4) + std::string(254, 'w'), DrawResult::TooFewPairs},
        CountCase{"FourPairsAndAWordAndAnEmptyLine", kIntroduction + DatabaseTest::Pairs(4) + "w4\n\n",
                  DrawResult::Drawn},
        CountCase{"LongMeaningMakesTheWordBeforeItAPair",
                  kIntroduction + DatabaseTest::Pairs(3) + "w3\n" + kLong + "\nw4\n", DrawResult::Drawn},
        CountCase{"CtrlZHidesTheRest", kIntroduction + DatabaseTest::Pairs(4) + "\x1A" + DatabaseTest::Pairs(4),
                  DrawResult::TooFewPairs},
        CountCase{"CrOnlyLineEndsMakeOneLine",
                  DatabaseTest::Introduction("\r") + DatabaseTest::Pairs(9, "\r"), DrawResult::TooFewPairs},
        CountCase{"IntroductionOnly", kIntroduction, DrawResult::TooFewPairs},
        CountCase{"OneLine", "Title\n", DrawResult::TooFewPairs},
        CountCase{"EmptyFile", "", DrawResult::TooFewPairs}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Over many seeds, every drawn index names a pair of the file, and every pair
// of the file is drawn at some point: the count is exactly the file's pairs.
TEST_F(DatabaseTest, DrawsExactlyThePairsOfTheFile)
{
    for (int pairs : {5, 6, 7, 100}) {
        for (bool finalBreak : {true, false}) {
            const std::string file = Introduction() + Pairs(pairs);
            UseDatabase(finalBreak ? file : WithoutFinalBreak(file));
            std::set<int32_t> drawn;
            for (uint32_t seed = 0; seed < 200; ++seed) {
                SeedRandom(seed);
                const Draw draw = DrawIndices();
                ASSERT_EQ(draw.result, DrawResult::Drawn);
                const std::set<int32_t> distinct(draw.indices.begin(), draw.indices.end());
                EXPECT_EQ(distinct.size(), 5u);
                drawn.insert(draw.indices.begin(), draw.indices.end());
            }
            SCOPED_TRACE(::testing::Message() << pairs << " pairs, final break " << finalBreak);
            EXPECT_EQ(*drawn.begin(), 0);
            EXPECT_EQ(*drawn.rbegin(), pairs - 1);
            EXPECT_EQ(drawn.size(), static_cast<std::size_t>(pairs));
            for (int32_t k : drawn) {
                WordPair pair;
                ReadPair(k, pair);
                EXPECT_EQ(std::string(pair.word), "w" + std::to_string(k));
                EXPECT_EQ(std::string(pair.meaning), "m" + std::to_string(k));
            }
        }
    }
}

TEST_F(DatabaseTest, EachDrawCountsTheFileAsItIsNow)
{
    UseDatabase(Introduction() + Pairs(4));
    EXPECT_EQ(DrawIndices().result, DrawResult::TooFewPairs);
    UseDatabase(Introduction() + Pairs(5));
    EXPECT_EQ(DrawIndices().result, DrawResult::Drawn);
    UseDatabase(Introduction() + Pairs(2));
    EXPECT_EQ(DrawIndices().result, DrawResult::TooFewPairs);
}

} // namespace
