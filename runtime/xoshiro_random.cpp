#include "runtime/xoshiro_random.h"

#include <bit>
#include <chrono>
#include <random>

namespace gridwick {

namespace {

    // Advances the counter and returns a well-mixed word: the usual way to fill a xoshiro state.
    std::uint64_t splitMix64(std::uint64_t& counter) noexcept
    {
        std::uint64_t z = (counter += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27U)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31U);
    }

} // namespace

std::uint64_t XoshiroRandom::steadyClockNanoseconds() noexcept
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count());
}

std::uint64_t XoshiroRandom::freshSeed()
{
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32U) ^ device();
}

XoshiroRandom::XoshiroRandom(Clock clock, std::uint64_t seed) noexcept
    : clock_(clock)
{
    std::uint64_t counter = seed;
    for (auto& word : state_) {
        word = splitMix64(counter);
    }
}

void XoshiroRandom::reseed()
{
    // XOR keeps the old state in the mix, so an unchanged clock still moves the sequence on.
    std::uint64_t counter = clock_();
    state_[0] ^= splitMix64(counter);
    state_[1] ^= splitMix64(counter);
    if ((state_[0] | state_[1] | state_[2] | state_[3]) == 0) {
        state_[0] = 1; // xoshiro must never hold an all-zero state
    }
}

float XoshiroRandom::next()
{
    return unitFloatFromBits(nextBits());
}

std::uint64_t XoshiroRandom::nextBits() noexcept
{
    const std::uint64_t result = std::rotl(state_[1] * 5U, 7) * 9U;
    const std::uint64_t shifted = state_[1] << 17U;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = std::rotl(state_[3], 45);
    return result;
}

} // namespace gridwick
