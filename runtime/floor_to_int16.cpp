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
    return static_cast<std::int16_t>(std::floor(value));
}

} // namespace gridwick
