#pragma once

#include "tally/display_field.h"

#include <string_view>

namespace gridwick {

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
