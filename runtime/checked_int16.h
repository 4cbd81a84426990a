#pragma once

#include "runtime/runtime_error.h"

#include <cstdint>

namespace gridwick {

// 16-bit signed addition that raises Overflow instead of wrapping. The caller assigns the
// result, so on overflow the target keeps its old value.
[[nodiscard]] inline std::int16_t checkedAdd(std::int16_t a, std::int16_t b)
{
    std::int16_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        raiseOverflow();
    }
    return sum;
}

} // namespace gridwick
