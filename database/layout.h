#pragma once

#include <cstdint>

// Lines 0 to 18 of a database are its introduction; pair k follows on lines
// 19 + 2k (the word) and 20 + 2k (the meaning).
constexpr std::int64_t kIntroductionLines = 19;
