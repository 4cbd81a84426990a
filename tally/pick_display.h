#pragma once

#include "tally/display_field.h"

#include <string_view>

namespace gridwick {

// What the winner's marker box shows; the other boxes show numbers or nothing.
inline constexpr std::string_view winnerMarker = "WINNER!!";

// Where the tally shows its results. Output only: the tally never reads a field back.
class PickDisplay {
public:
    PickDisplay() = default;
    PickDisplay(const PickDisplay&) = delete;
    PickDisplay& operator=(const PickDisplay&) = delete;
    virtual ~PickDisplay() = default;

    virtual void setText(DisplayField field, std::string_view text) = 0;
};

} // namespace gridwick
