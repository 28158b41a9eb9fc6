#pragma once

#include <ctime>

// The calendar clock that SeedRandom() reads, in whole seconds since 1970.
using RandomClock = std::time_t (*)();

// Makes SeedRandom() read clock from now on; nullptr restores the system clock.
void SetRandomClock(RandomClock clock);
