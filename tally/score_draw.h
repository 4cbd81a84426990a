#pragma once

#include <cstdint>

namespace gridwick {

class RandomSource;

inline constexpr std::int16_t lowestScore = 2;
inline constexpr std::int16_t highestScore = 70;

// A score from a random value r in [0, 1): floor(r * 69 + 2), so 2..70.
[[nodiscard]] std::int16_t scoreFromRandom(float r);

[[nodiscard]] std::int16_t drawScore(RandomSource& random);

} // namespace gridwick
