#pragma once

namespace gridwick {

// Where picks get their randomness. Tests hand the tally a scripted one.
class RandomSource {
public:
    RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    virtual ~RandomSource() = default;

    // Stirs the system clock into the generator.
    virtual void reseed() = 0;
    // The next value r of the sequence, 0 <= r < 1.
    [[nodiscard]] virtual float next() = 0;
};

} // namespace gridwick
