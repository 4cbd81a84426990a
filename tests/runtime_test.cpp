#include "runtime/checked_int16.h"
#include "runtime/floor_to_int16.h"
#include "runtime/number_text.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace gridwick {
namespace {

    std::optional<ErrorNumber> errorRaisedBy(auto&& action)
    {
        try {
            action();
        } catch (const RuntimeError& error) {
            return error.errorNumber();
        }
        return std::nullopt;
    }

    struct AddCase {
        std::int16_t a;
        std::int16_t b;
        std::optional<std::int16_t> sum; // empty: Overflow
    };

    TEST(CheckedAdd, AddsOrRaisesOverflowAtBothEnds)
    {
        const AddCase cases[] = {
            { 0, 1, 1 },
            { 32766, 1, 32767 },
            { 32767, 1, std::nullopt },
            { 32667, 100, 32767 },
            { 32668, 100, std::nullopt },
            { 31867, 900, 32767 },
            { 31868, 900, std::nullopt },
            { -32768, -1, std::nullopt },
            { -32767, -1, -32768 },
            { 70, 70, 140 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.a) + " + " + std::to_string(c.b));
            if (c.sum) {
                EXPECT_EQ(checkedAdd(c.a, c.b), *c.sum);
            } else {
                EXPECT_EQ(
                    errorRaisedBy([&] { (void)checkedAdd(c.a, c.b); }), ErrorNumber::Overflow);
            }
        }
    }

    TEST(NumberText, IsPlainDecimal)
    {
        const std::pair<std::int16_t, std::string> cases[] = {
            { 0, "0" },
            { 7, "7" },
            { 140, "140" },
            { 32767, "32767" },
            { -1, "-1" },
            { -32768, "-32768" },
        };
        for (const auto& [value, text] : cases) {
            EXPECT_EQ(NumberText(value).view(), text);
        }
    }

    TEST(FloorToInt16, RoundsDownInsideTheRange)
    {
        const std::pair<double, std::int16_t> cases[] = {
            { 2.0, 2 },
            { 70.999999, 70 },
            { -0.5, -1 },
            { 32767.9, 32767 },
            { -32768.0, -32768 },
        };
        for (const auto& [value, floored] : cases) {
            EXPECT_EQ(floorToInt16(value), floored) << value;
        }
    }

    TEST(FloorToInt16, RaisesForValuesItCannotStore)
    {
        const std::pair<double, ErrorNumber> cases[] = {
            { 32768.0, ErrorNumber::Overflow },
            { -32768.5, ErrorNumber::Overflow },
            { 1e300, ErrorNumber::Overflow },
            { std::numeric_limits<double>::quiet_NaN(), ErrorNumber::FloatingPoint },
            { std::numeric_limits<double>::infinity(), ErrorNumber::FloatingPoint },
            { -std::numeric_limits<double>::infinity(), ErrorNumber::FloatingPoint },
        };
        for (const auto& [value, error] : cases) {
            // Clang 14 cannot capture a structured binding; a copy it can.
            EXPECT_EQ(errorRaisedBy([input = value] { (void)floorToInt16(input); }), error)
                << value;
        }
    }

} // namespace
} // namespace gridwick
