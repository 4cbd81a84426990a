#pragma once

#include "runtime/runtime_error.h"

#include <string>

namespace gridwick {

// A run-time error as the runtime names it: "Run-time error 6: Overflow".
[[nodiscard]] std::string errorReportText(const RuntimeError& error);

} // namespace gridwick
