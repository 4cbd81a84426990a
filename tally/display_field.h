#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

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

// Every field with the control name of the text box that shows it, in the order above.
inline constexpr std::array<std::pair<DisplayField, std::string_view>, 9> displayFieldNames { {
    { DisplayField::txtPicks, "txtPicks" },
    { DisplayField::Text1, "Text1" },
    { DisplayField::Text2, "Text2" },
    { DisplayField::txtWin1, "txtWin1" },
    { DisplayField::txtWin2, "txtWin2" },
    { DisplayField::txtTies, "txtTies" },
    { DisplayField::Total, "Total" },
    { DisplayField::txtVisitor, "txtVisitor" },
    { DisplayField::txtHome, "txtHome" },
} };

inline constexpr std::size_t displayFieldCount = displayFieldNames.size();

[[nodiscard]] constexpr std::size_t indexOf(DisplayField field) noexcept
{
    return static_cast<std::size_t>(field);
}

inline constexpr std::array<DisplayField, displayFieldCount> allDisplayFields = [] {
    std::array<DisplayField, displayFieldCount> fields {};
    for (std::size_t index = 0; index < displayFieldCount; ++index) {
        fields.at(index) = displayFieldNames.at(index).first;
    }
    return fields;
}();

static_assert(
    [] {
        for (std::size_t index = 0; index < displayFieldCount; ++index) {
            if (indexOf(allDisplayFields.at(index)) != index) {
                return false;
            }
        }
        return true;
    }(),
    "displayFieldNames must list every field once, in the enum's order");

// The control name of the text box that shows the field.
[[nodiscard]] constexpr std::string_view controlName(DisplayField field) noexcept
{
    return displayFieldNames.at(indexOf(field)).second;
}

} // namespace gridwick
