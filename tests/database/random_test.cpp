#include <climits>
#include <ctime>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "database/database.h"
#include "database/random_clock.h"

namespace {

// Taken during static initialisation, before anything seeds the generator.
const int32_t kFirstOutputUnseeded = RandomBelow(32768);

std::vector<int32_t> Draw(int32_t n, int count)
{
    std::vector<int32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(RandomBelow(n));
    return values;
}

// The generator's raw outputs: RandomBelow(32768) is the output itself.
std::vector<int32_t> Outputs(int count)
{
    return Draw(32768, count);
}

TEST(RandomTest, OutputsAfterSeedingWithOne)
{
    SeedRandom(1);
    EXPECT_EQ(Outputs(5), (std::vector<int32_t>{41, 18467, 6334, 26500, 19169}));
}

TEST(RandomTest, UnseededGeneratorStartsAsIfSeededWithOne)
{
    EXPECT_EQ(kFirstOutputUnseeded, 41);
}

TEST(RandomTest, WorkedSequencesOfRandomBelowFive)
{
    SeedRandom(12345);
    EXPECT_EQ(Draw(5, 7), (std::vector<int32_t>{1, 2, 3, 3, 0, 3, 4}));
    SeedRandom(1);
    EXPECT_EQ(Draw(5, 10), (std::vector<int32_t>{0, 2, 0, 4, 2, 2, 1, 4, 4, 3}));
}

// Finds a seed whose first output is r, so that one call of RandomBelow(n)
// shows how that output is scaled.
uint32_t SeedForOutput(int32_t r)
{
    for (uint32_t seed = 0;; ++seed) {
        SeedRandom(seed);
        if (RandomBelow(32768) == r)
            return seed;
    }
}

int32_t ScaledOutput(int32_t r, int32_t n)
{
    SeedRandom(SeedForOutput(r));
    return RandomBelow(n);
}

TEST(RandomTest, ScalingOfSingleOutputs)
{
    struct Case {
        int32_t r, n, expected;
    };
    const Case cases[] = {
        {0, 5, 0},     {6553, 5, 0},  {6554, 5, 1},  {13107, 5, 1},   {13108, 5, 2},
        {19660, 5, 2}, {19661, 5, 3}, {26214, 5, 3}, {26215, 5, 4},   {32767, 5, 4},
        {32767, 1, 0}, {32767, 0, 0}, {32767, -1, 0}, {32767, -9, -8}, {3640, -9, 0},
        {3641, -9, -1},
        // The product needs more than 32 bits.
        {32767, INT_MAX, 2147418111}, {32767, INT_MIN, -2147418112},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledOutput(c.r, c.n), c.expected) << "r " << c.r << ", n " << c.n;
}

TEST(RandomTest, RandomBelowStaysInItsRange)
{
    struct Case {
        int32_t n, lowest, highest;
    };
    for (const Case& c : {Case{5, 0, 4}, Case{1, 0, 0}, Case{0, 0, 0}, Case{-1, 0, 0}, Case{-9, -8, 0}}) {
        SeedRandom(7);
        const std::vector<int32_t> values = Draw(c.n, 2000);
        const std::set<int32_t> seen(values.begin(), values.end());
        EXPECT_EQ(*seen.begin(), c.lowest) << "n " << c.n;
        EXPECT_EQ(*seen.rbegin(), c.highest) << "n " << c.n;
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.highest - c.lowest + 1)) << "n " << c.n;
    }
}

class SeedFromClock : public ::testing::Test {
protected:
    void TearDown() override { SetRandomClock(nullptr); }

    static std::vector<int32_t> OutputsAfterSeeding(uint32_t seed)
    {
        SeedRandom(seed);
        return Outputs(3);
    }
};

TEST_F(SeedFromClock, SeedsWithTheClockModulo2To32)
{
    SetRandomClock([] { return std::time_t{12345}; });
    SeedRandom();
    const std::vector<int32_t> fromClock = Outputs(3);
    EXPECT_EQ(fromClock, OutputsAfterSeeding(12345));

    SetRandomClock([] { return std::time_t{4294967296LL + 7}; });
    SeedRandom();
    const std::vector<int32_t> fromLateClock = Outputs(3);
    EXPECT_EQ(fromLateClock, OutputsAfterSeeding(7));
}

TEST_F(SeedFromClock, TwoSeedingsInTheSameSecondDrawTheSame)
{
    SetRandomClock([] { return std::time_t{1700000000}; });
    SeedRandom();
    const std::vector<int32_t> first = Outputs(5);
    SeedRandom();
    EXPECT_EQ(Outputs(5), first);
}

TEST_F(SeedFromClock, DefaultClockIsTheSystemTime)
{
    SetRandomClock([] { return std::time_t{0}; });
    SetRandomClock(nullptr);
    const std::time_t before = std::time(nullptr);
    SeedRandom();
    const std::vector<int32_t> drawn = Outputs(3);
    const std::time_t after = std::time(nullptr);

    const bool matches = drawn == OutputsAfterSeeding(static_cast<uint32_t>(before)) ||
                         drawn == OutputsAfterSeeding(static_cast<uint32_t>(after));
    EXPECT_TRUE(matches);
}

} // namespace
