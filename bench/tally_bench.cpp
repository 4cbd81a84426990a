#include "runtime/xoshiro_random.h"
#include "tally/pick_display.h"
#include "tally/pick_tally.h"

#include <benchmark/benchmark.h>

namespace gridwick {
namespace {

    // Drops the text, so that the figures are the tally's own cost.
    class DroppingDisplay final : public PickDisplay {
    public:
        void setText(DisplayField /*field*/, std::string_view text) override
        {
            benchmark::DoNotOptimize(text.data());
        }
    };

    struct Bench {
        DroppingDisplay display;
        XoshiroRandom random;
        PickTally tally { display, random };
    };

    void BM_Pick(benchmark::State& state)
    {
        Bench bench;
        for (auto _ : state) {
            if (bench.tally.counters().intPicks == 32767) {
                bench.tally.clear();
            }
            bench.tally.press();
        }
        state.SetItemsProcessed(state.iterations());
    }
    BENCHMARK(BM_Pick);

    // What each pick's reseed costs, the clock reading included.
    void BM_Reseed(benchmark::State& state)
    {
        XoshiroRandom random;
        for (auto _ : state) {
            random.reseed();
        }
        benchmark::DoNotOptimize(random.nextBits());
    }
    BENCHMARK(BM_Reseed);

    void BM_Batch900(benchmark::State& state)
    {
        Bench bench;
        for (auto _ : state) {
            bench.tally.clear();
            bench.tally.addPicks(900);
        }
        state.SetItemsProcessed(state.iterations() * 900);
    }
    BENCHMARK(BM_Batch900)->Unit(benchmark::kMicrosecond);

    void BM_Chain32767(benchmark::State& state)
    {
        Bench bench;
        for (auto _ : state) {
            bench.tally.clear();
            bench.tally.addPicks(32767);
        }
        state.SetItemsProcessed(state.iterations() * 32767);
    }
    BENCHMARK(BM_Chain32767)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace gridwick
