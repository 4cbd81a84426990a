#include "runtime/floor_to_int16.h"

#include "runtime/runtime_error.h"

#include <cmath>

namespace gridwick {

std::int16_t floorToInt16(double value)
{
    if (!std::isfinite(value)) {
        raiseFloatingPointError();
    }
    // floor(value) fits exactly when -32768 <= value < 32768.
    if (value < -32768.0 || value >= 32768.0) {
        raiseOverflow();
    }
    // Truncate, then step down for negative fractions: cheaper than a libm floor call.
    auto whole = static_cast<int>(value);
    if (static_cast<double>(whole) > value) {
        --whole;
    }
    return static_cast<std::int16_t>(whole);
}

} // namespace gridwick
