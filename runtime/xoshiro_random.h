#pragma once

#include "runtime/random_source.h"

#include <array>
#include <cstdint>

namespace gridwick {

// The program's random source: xoshiro256** with 24 random bits per float. Reseeding mixes the
// clock into the state rather than replacing it, so the hundreds of picks a batch makes within
// one tick of the clock still differ.
class XoshiroRandom final : public RandomSource {
public:
    using Clock = std::uint64_t (*)() noexcept;

    // The system timer reading that each reseed stirs in, in nanoseconds.
    static std::uint64_t steadyClockNanoseconds() noexcept;

    // A fresh seed from the operating system, so that two runs started together still differ.
    static std::uint64_t freshSeed();

    explicit XoshiroRandom(
        Clock clock = &steadyClockNanoseconds, std::uint64_t seed = freshSeed()) noexcept;

    void reseed() override;
    [[nodiscard]] float next() override;

    [[nodiscard]] std::uint64_t nextBits() noexcept;

private:
    Clock clock_;
    std::array<std::uint64_t, 4> state_ {};
};

// The top 24 bits of a 64-bit draw as a float in [0, 1); never 1.
[[nodiscard]] constexpr float unitFloatFromBits(std::uint64_t bits) noexcept
{
    constexpr float oneOver2To24 = 1.0F / 16777216.0F;
    return static_cast<float>(bits >> 40U) * oneOver2To24;
}

} // namespace gridwick
