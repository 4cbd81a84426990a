#include "tally/score_draw.h"

#include "runtime/floor_to_int16.h"
#include "runtime/random_source.h"

namespace gridwick {

std::int16_t scoreFromRandom(float r)
{
    constexpr float scoreRange = 69.0F;
    constexpr float scoreBase = 2.0F;
    // In double precision the product and sum are exact for every float r: no rounding can
    // push a value just below 1 up to a score of 71.
    const double score = (static_cast<double>(r) * scoreRange) + scoreBase;
    return floorToInt16(score);
}

std::int16_t drawScore(RandomSource& random)
{
    return scoreFromRandom(random.next());
}

} // namespace gridwick
