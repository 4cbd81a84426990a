#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace gridwick {

// The nine text outputs of a pick, named after the window's text boxes that show them.
enum class DisplayField : std::uint8_t {
    txtPicks,
    Text1,
    Text2,
    txtWin1,
    txtWin2,
    txtTies,
    Total,
    txtVisitor,
    txtHome,
};

inline constexpr std::size_t displayFieldCount = 9;

inline constexpr std::array<DisplayField, displayFieldCount> allDisplayFields {
    DisplayField::txtPicks,
    DisplayField::Text1,
    DisplayField::Text2,
    DisplayField::txtWin1,
    DisplayField::txtWin2,
    DisplayField::txtTies,
    DisplayField::Total,
    DisplayField::txtVisitor,
    DisplayField::txtHome,
};

[[nodiscard]] constexpr std::size_t indexOf(DisplayField field) noexcept
{
    return static_cast<std::size_t>(field);
}

// The control name of the text box that shows the field.
[[nodiscard]] std::string_view controlName(DisplayField field) noexcept;

} // namespace gridwick
