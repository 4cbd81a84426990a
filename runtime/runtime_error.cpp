#include "runtime/runtime_error.h"

#include <string>

namespace gridwick {

std::string_view describe(ErrorNumber number) noexcept
{
    switch (number) {
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::FloatingPoint:
        return "Invalid floating-point result";
    }
    return "Unknown error";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(std::string(describe(number)))
    , number_(number)
{
}

std::string_view RuntimeError::description() const noexcept
{
    return describe(number_);
}

void raiseOverflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}

void raiseFloatingPointError()
{
    throw RuntimeError(ErrorNumber::FloatingPoint);
}

} // namespace gridwick
