#include "tally/display_field.h"

namespace gridwick {

std::string_view controlName(DisplayField field) noexcept
{
    static constexpr std::array<std::string_view, displayFieldCount> names {
        "txtPicks",
        "Text1",
        "Text2",
        "txtWin1",
        "txtWin2",
        "txtTies",
        "Total",
        "txtVisitor",
        "txtHome",
    };
    return names.at(indexOf(field));
}

} // namespace gridwick
