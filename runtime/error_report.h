#pragma once

#include "runtime/runtime_error.h"

#include <string>

namespace gridwick {

// What the user is told when a run-time error stops an action: the error, then what to do.
[[nodiscard]] std::string errorReportText(const RuntimeError& error);

} // namespace gridwick
