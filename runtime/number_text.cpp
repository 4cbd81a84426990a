#include "runtime/number_text.h"

namespace gridwick {

NumberText::NumberText(std::int16_t value) noexcept
{
    // Digits go in from the right. Negating after widening keeps -32768 safe.
    auto magnitude = static_cast<unsigned>(value < 0 ? -static_cast<int>(value) : value);
    do {
        digits_[--first_] = static_cast<char>('0' + (magnitude % 10U));
        magnitude /= 10U;
    } while (magnitude != 0U);
    if (value < 0) {
        digits_[--first_] = '-';
    }
}

} // namespace gridwick
