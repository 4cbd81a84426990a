#pragma once

#include "runtime/runtime_error.h"

#include <cstdint>
#include <limits>

namespace gridwick {

// 16-bit signed addition that raises Overflow instead of wrapping. The caller assigns the
// result, so on overflow the target keeps its old value.
[[nodiscard]] inline std::int16_t checkedAdd(std::int16_t a, std::int16_t b)
{
    const int sum = int { a } + int { b };
    if (sum < std::numeric_limits<std::int16_t>::min()
        || sum > std::numeric_limits<std::int16_t>::max()) {
        raiseOverflow();
    }
    return static_cast<std::int16_t>(sum);
}

} // namespace gridwick
