#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace gridwick {

// Plain decimal text of a 16-bit integer: no leading space or zeros, no separators.
// Held in place so that the pick loop converts numbers without allocating.
class NumberText {
public:
    explicit NumberText(std::int16_t value) noexcept;

    [[nodiscard]] std::string_view view() const noexcept
    {
        return { digits_.data() + first_, digits_.size() - first_ };
    }

private:
    std::array<char, 6> digits_ {}; // "-32768" is the longest; the text ends at the last char
    std::size_t first_ = digits_.size();
};

} // namespace gridwick
