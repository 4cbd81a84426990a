#include "fakes.h"
#include "runtime/runtime_error.h"
#include "runtime/xoshiro_random.h"
#include "tally/pick_tally.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace gridwick {
namespace {

    using testing::RecordingDisplay;
    using testing::ScriptedRandom;
    using testing::scriptForScores;
    using F = DisplayField;

    constexpr std::int16_t maxPicks = 32767;

    class PickTallyTest : public ::testing::Test {
    protected:
        explicit PickTallyTest(std::vector<float> script = scriptForScores({ { 30, 20 } }))
            : random(std::move(script))
        {
        }

        // Starts over from a cleared tally with `picks` picks made.
        void startAt(std::int16_t picks)
        {
            tally.clear();
            if (picks > 0) {
                tally.addPicks(picks);
            }
        }

        RecordingDisplay display;
        ScriptedRandom random;
        PickTally tally { display, random };
    };

    TEST_F(PickTallyTest, FirstPickShowsEverything)
    {
        tally.press();

        EXPECT_EQ(display.text(F::txtPicks), "1");
        EXPECT_EQ(display.text(F::txtVisitor), "30");
        EXPECT_EQ(display.text(F::txtHome), "20");
        EXPECT_EQ(display.text(F::Total), "50");
        EXPECT_EQ(display.text(F::Text1), "WINNER!!");
        EXPECT_EQ(display.text(F::Text2), "");
        EXPECT_EQ(display.text(F::txtWin1), "1");
        EXPECT_EQ(display.writes(F::txtWin2), 0);
        EXPECT_EQ(display.writes(F::txtTies), 0);
        EXPECT_EQ(random.reseeds(), 1);
        EXPECT_EQ(tally.counters(), (TallyCounters { 30, 20, 1, 0, 1, 0, 0 }));
    }

    class ScriptedPicks : public PickTallyTest {
    protected:
        ScriptedPicks()
            : PickTallyTest(scriptForScores({ { 40, 12 }, { 9, 63 }, { 33, 33 } }))
        {
        }
    };

    TEST_F(ScriptedPicks, MarkerMovesAndTieClearsBoth)
    {
        tally.press();
        EXPECT_EQ(display.text(F::Text1), "WINNER!!");
        EXPECT_EQ(display.text(F::Text2), "");

        tally.press();
        EXPECT_EQ(display.text(F::Text1), "");
        EXPECT_EQ(display.text(F::Text2), "WINNER!!");
        EXPECT_EQ(display.text(F::txtWin2), "1");
        EXPECT_EQ(display.text(F::Total), "72");

        tally.press();
        EXPECT_EQ(display.text(F::Text1), "");
        EXPECT_EQ(display.text(F::Text2), "");
        EXPECT_EQ(display.text(F::txtTies), "1");
        EXPECT_EQ(display.text(F::Total), "66");
        EXPECT_EQ(tally.counters(), (TallyCounters { 33, 33, 3, 1, 1, 1, 0 }));
        // Each tally display is written only when its own counter moves.
        EXPECT_EQ(display.writes(F::txtWin1), 1);
        EXPECT_EQ(display.writes(F::txtWin2), 1);
        EXPECT_EQ(display.writes(F::txtTies), 1);
    }

    // A batch adds exactly its size to the picks made so far, one reseed a pick; past the last
    // start each size allows, it raises Overflow and changes nothing.
    struct BatchCase {
        std::int16_t start;
        std::int16_t size;
        bool overflows;
    };

    TEST_F(PickTallyTest, BatchesCountFromThePicksMadeSoFarUpToTheirLimit)
    {
        std::vector<BatchCase> cases
            = { { 0, 100, false }, { 57, 300, false }, { 400, 900, false } };
        for (std::int16_t size = 100; size <= 900; size += 100) {
            const auto limit = static_cast<std::int16_t>(maxPicks - size);
            cases.push_back({ limit, size, false });
            cases.push_back({ static_cast<std::int16_t>(limit + 1), size, true });
        }
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.size) + " at " + std::to_string(c.start));
            startAt(c.start);
            const TallyCounters before = tally.counters();
            const auto textsBefore = display.texts();
            const int reseedsBefore = random.reseeds();
            if (c.overflows) {
                EXPECT_THROW(tally.addPicks(c.size), RuntimeError);
                EXPECT_EQ(tally.counters(), before); // target unchanged, no pick made
                EXPECT_EQ(display.texts(), textsBefore);
                continue;
            }
            tally.addPicks(c.size);
            const auto end = static_cast<std::int16_t>(c.start + c.size);
            EXPECT_EQ(tally.counters().intPicks, end);
            EXPECT_EQ(tally.counters().intTarget, end);
            EXPECT_EQ(display.text(F::txtPicks), std::to_string(end));
            EXPECT_EQ(random.reseeds() - reseedsBefore, c.size);
        }
    }

    TEST(PickTallyClear, EmptiesEveryDisplayAndKeepsTargetAndScores)
    {
        // A press after a clear runs up to the old target; a batch adds exactly its size.
        struct Case {
            std::int16_t before;
            std::function<void(PickTally&)> after;
            std::int16_t picksAfter;
        };
        const Case cases[] = {
            { 3, [](PickTally&) {}, 0 },
            { 500, [](PickTally& t) { t.press(); }, 500 },
            { 200, [](PickTally& t) { t.addPicks(100); }, 100 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.before);
            RecordingDisplay display;
            ScriptedRandom random(scriptForScores({ { 30, 20 } }));
            PickTally tally(display, random);
            tally.addPicks(c.before);
            tally.clear();
            for (const auto field : allDisplayFields) {
                EXPECT_EQ(display.text(field), "") << controlName(field);
            }
            EXPECT_EQ(tally.counters(), (TallyCounters { 30, 20, 0, 0, 0, 0, c.before }));
            c.after(tally);
            EXPECT_EQ(tally.counters().intPicks, c.picksAfter);
        }
    }

    TEST_F(PickTallyTest, PressAtTheLimitRaisesOverflowAndChangesNothing)
    {
        tally.addPicks(maxPicks);
        ASSERT_EQ(tally.counters().intPicks, maxPicks);
        const TallyCounters before = tally.counters();
        const auto textsBefore = display.texts();

        try {
            tally.press();
            FAIL() << "no Overflow";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_EQ(error.description(), "Overflow");
        }
        EXPECT_EQ(tally.counters(), before);
        EXPECT_EQ(display.texts(), textsBefore);

        // The tally still works after the error.
        tally.clear();
        tally.addPicks(2);
        EXPECT_EQ(tally.counters().intPicks, 2);
    }

    TEST(PickTallyErrors, BrokenRandomSourceRaisesAndLeavesTheCountersAlone)
    {
        RecordingDisplay display;
        ScriptedRandom random({ 0.5F, 0.5F, std::numeric_limits<float>::quiet_NaN(), 0.5F });
        PickTally tally(display, random);
        tally.press();
        const TallyCounters afterFirst = tally.counters();

        try {
            tally.press();
            FAIL() << "no floating-point error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.errorNumber(), ErrorNumber::FloatingPoint);
        }
        EXPECT_EQ(tally.counters(), afterFirst);
        EXPECT_EQ(display.text(F::txtPicks), "2"); // the write made before the error stands

        tally.press(); // draws 0.5, 0.5 again
        EXPECT_EQ(tally.counters().intPicks, 2);
    }

    TEST(PickTallyInvariant, WinsAndTiesAddUpAfterRandomActions)
    {
        RecordingDisplay display;
        XoshiroRandom random;
        PickTally tally(display, random);
        std::mt19937 actions(20261208);
        for (int i = 0; i < 2000; ++i) {
            const auto choice = actions() % 12;
            try {
                if (choice < 9) {
                    tally.addPicks(static_cast<std::int16_t>((choice + 1) * 100));
                } else if (choice == 9) {
                    tally.clear();
                } else {
                    tally.press();
                }
            } catch (const RuntimeError& error) {
                ASSERT_EQ(error.number(), 6);
            }
            const TallyCounters& c = tally.counters();
            ASSERT_EQ(c.intWin1 + c.intWin2 + c.intTies, c.intPicks) << "after action " << i;
            ASSERT_EQ(display.text(F::txtPicks), c.intPicks == 0 ? "" : std::to_string(c.intPicks));
        }
    }

    TEST(PickTallyStack, LongestChainRunsOnASmallStack)
    {
        struct Chain {
            RecordingDisplay display;
            XoshiroRandom random;
            PickTally tally { display, random };
        };
        Chain chain;
#ifdef __EMSCRIPTEN__
        // A page has one thread: the chain runs on its stack, which the test's link makes small.
        chain.tally.addPicks(maxPicks);
#else
        pthread_attr_t attributes;
        ASSERT_EQ(pthread_attr_init(&attributes), 0);
        ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
        pthread_t thread {};
        const auto run = [](void* arg) -> void* {
            static_cast<Chain*>(arg)->tally.addPicks(maxPicks);
            return nullptr;
        };
        ASSERT_EQ(pthread_create(&thread, &attributes, run, &chain), 0);
        ASSERT_EQ(pthread_join(thread, nullptr), 0);
        pthread_attr_destroy(&attributes);
#endif

        EXPECT_EQ(chain.tally.counters().intPicks, maxPicks);
        EXPECT_EQ(chain.display.text(F::txtPicks), "32767");
    }

} // namespace
} // namespace gridwick
