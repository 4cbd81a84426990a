#include "runtime/xoshiro_random.h"
#include "tally/score_draw.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <string>

namespace gridwick {
namespace {

    constexpr int scoreValues = highestScore - lowestScore + 1;

    std::uint64_t frozenClock() noexcept
    {
        return 1'234'567'890ULL;
    }

    TEST(UnitFloat, CoversZeroToJustBelowOne)
    {
        EXPECT_EQ(unitFloatFromBits(0), 0.0F);
        EXPECT_LT(unitFloatFromBits(std::numeric_limits<std::uint64_t>::max()), 1.0F);
        EXPECT_EQ(unitFloatFromBits(std::numeric_limits<std::uint64_t>::max()), 1.0F - 0x1.0p-24F);
        EXPECT_EQ(unitFloatFromBits(1ULL << 63U), 0.5F);
    }

    TEST(ScoreFromRandom, SpansTwoToSeventy)
    {
        EXPECT_EQ(scoreFromRandom(0.0F), 2);
        EXPECT_EQ(scoreFromRandom(std::nextafter(1.0F, 0.0F)), 70);
        EXPECT_EQ(scoreFromRandom(1.0F / 69.0F), 3);
    }

    // A fresh seed each run, printed so that a failure can be replayed with
    // GRIDWICK_RANDOM_SEED=N; the clock is frozen so that the seed alone decides the draws.
    std::uint64_t seedForThisRun()
    {
        const char* replay = std::getenv("GRIDWICK_RANDOM_SEED");
        const std::uint64_t seed
            = replay != nullptr ? std::stoull(replay) : XoshiroRandom::freshSeed();
        std::cout << "random seed " << seed << " (replay with GRIDWICK_RANDOM_SEED=" << seed
                  << ")\n";
        return seed;
    }

    TEST(XoshiroRandom, ScoresAreUniformOverAMillionPicks)
    {
        XoshiroRandom random(&frozenClock, seedForThisRun());
        std::array<int, scoreValues> counts {};
        constexpr int draws = 1'000'000;
        for (int i = 0; i < draws; i += 2) {
            random.reseed(); // as every pick does
            for (int side = 0; side < 2; ++side) {
                const float r = random.next();
                ASSERT_GE(r, 0.0F);
                ASSERT_LT(r, 1.0F);
                ++counts.at(static_cast<std::size_t>(scoreFromRandom(r) - lowestScore));
            }
        }
        const double expected = static_cast<double>(draws) / scoreValues;
        double chiSquare = 0;
        for (const int count : counts) {
            chiSquare += (count - expected) * (count - expected) / expected;
        }
        // 68 degrees of freedom: mean 68; 140 is far out in the tail (p < 1e-6).
        EXPECT_LT(chiSquare, 140.0);
    }

    TEST(XoshiroRandom, ReseedingFromAFrozenClockStillMovesOn)
    {
        XoshiroRandom random(&frozenClock, 7);
        constexpr int picks = 32767;
        int ties = 0;
        int repeats = 0;
        std::int16_t lastVisitor = -1;
        for (int i = 0; i < picks; ++i) {
            random.reseed();
            const std::int16_t visitor = drawScore(random);
            const std::int16_t home = drawScore(random);
            ties += visitor == home ? 1 : 0;
            repeats += visitor == lastVisitor ? 1 : 0;
            lastVisitor = visitor;
        }
        // Expected 32767 / 69 = 475 of each, standard deviation about 22.
        EXPECT_NEAR(ties, picks / scoreValues, 150);
        EXPECT_NEAR(repeats, picks / scoreValues, 150);
    }

    TEST(XoshiroRandom, SameSeedAndClockGiveTheSameSequence)
    {
        XoshiroRandom first(&frozenClock, 42);
        XoshiroRandom second(&frozenClock, 42);
        for (int i = 0; i < 100; ++i) {
            first.reseed();
            second.reseed();
            ASSERT_EQ(first.nextBits(), second.nextBits());
        }
    }

} // namespace
} // namespace gridwick
