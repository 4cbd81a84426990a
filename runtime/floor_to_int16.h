#pragma once

#include <cstdint>

namespace gridwick {

// Rounds down and stores as a 16-bit integer. A NaN or infinite value raises the
// floating-point error; a value outside -32768..32767 raises Overflow.
[[nodiscard]] std::int16_t floorToInt16(double value);

} // namespace gridwick
