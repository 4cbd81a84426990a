#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace gridwick {

// The numbered errors the program can raise. The numbers are the ones users are told.
enum class ErrorNumber : std::uint8_t {
    Overflow = 6,
    FloatingPoint = 16,
};

// A run-time error: raised where the fault happens, caught by the window's command handlers,
// which report it and keep the program running.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);

    [[nodiscard]] int number() const noexcept { return static_cast<int>(number_); }
    [[nodiscard]] ErrorNumber errorNumber() const noexcept { return number_; }
    [[nodiscard]] std::string_view description() const noexcept;

private:
    ErrorNumber number_;
};

[[nodiscard]] std::string_view describe(ErrorNumber number) noexcept;

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseFloatingPointError();

} // namespace gridwick
