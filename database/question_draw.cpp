#include "database/database.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "database/DatabaseStream.h"
#include "database/layout.h"

namespace {

constexpr std::int64_t kPairsPerQuestion = 5;

// The number of complete word/meaning pairs after the introduction, or
// nothing when the database cannot be read.
std::optional<std::int64_t> CountPairs()
{
    DatabaseStream stream(DatabasePath);
    if (!stream.IsReadable())
        return std::nullopt;
    const std::int64_t lines = stream.CountLines();
    return lines > kIntroductionLines ? (lines - kIntroductionLines) / 2 : 0;
}

} // namespace

DrawResult DrawPairIndices(int32_t& first, int32_t& second, int32_t& third,
                           int32_t& fourth, int32_t& fifth)
{
    const std::optional<std::int64_t> pairs = CountPairs();
    if (!pairs)
        return DrawResult::Unreadable;
    if (*pairs < kPairsPerQuestion)
        return DrawResult::TooFewPairs;
    // Only pairs with an index that fits are drawn from.
    const int32_t a = static_cast<int32_t>(
        std::min<std::int64_t>(*pairs, std::numeric_limits<int32_t>::max()));

    // This order of calls is part of the behaviour: it fixes which generator
    // outputs each index consumes, and so every later question of a seed.
    // The fifth index gets its first value before the fourth is checked.
    first = RandomBelow(a);
    second = RandomBelow(a);
    while (second == first)
        second = RandomBelow(a);
    third = RandomBelow(a);
    while (third == first || third == second)
        third = RandomBelow(a);
    fourth = RandomBelow(a);
    fifth = RandomBelow(a);
    while (fourth == first || fourth == second || fourth == third)
        fourth = RandomBelow(a);
    while (fifth == first || fifth == second || fifth == third || fifth == fourth)
        fifth = RandomBelow(a);
    return DrawResult::Drawn;
}
