#include "database/database.h"
#include "database/random_clock.h"

namespace {

// One state for the whole process; unseeded, it draws as if seeded with 1.
uint32_t RandomState = 1;

std::time_t SystemClock()
{
    return std::time(nullptr);
}

RandomClock CurrentClock = SystemClock;

// The generator's next output, 0 to 32767.
int32_t NextRandom()
{
    RandomState = RandomState * 214013u + 2531011u;
    return static_cast<int32_t>((RandomState >> 16) & 0x7FFF);
}

} // namespace

void SetRandomClock(RandomClock clock)
{
    CurrentClock = clock != nullptr ? clock : SystemClock;
}

void SeedRandom()
{
    // Conversion to an unsigned type keeps the value modulo 2^32.
    SeedRandom(static_cast<uint32_t>(CurrentClock()));
}

void SeedRandom(uint32_t seed)
{
    RandomState = seed;
}

int32_t RandomBelow(int32_t n)
{
    // At most 15 + 31 bits: exact in 64 bits, and the division truncates toward zero.
    return static_cast<int32_t>(static_cast<int64_t>(NextRandom()) * n / 32768);
}
