// The tally through the real window's text boxes, on the offscreen platform.
#include "runtime/xoshiro_random.h"
#include "tally/pick_tally.h"
#include "window/font_substitutes.h"
#include "window/frm_gridwick.h"
#include "window/text_box_display.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <benchmark/benchmark.h>

namespace gridwick {
namespace {

    struct ShownWindow {
        ShownWindow()
        {
            window.show();
            QApplication::processEvents();
        }
        FrmGridwick window { std::make_unique<XoshiroRandom>() };
    };

    // A tally writing into the window's boxes, as the window's own does.
    struct TallyOnWindow {
        ShownWindow shown;
        TextBoxDisplay display { textBoxesIn(shown.window) };
        XoshiroRandom random;
        PickTally tally { display, random };
    };

    void BM_WindowChain32767(benchmark::State& state)
    {
        TallyOnWindow bench;
        for (auto _ : state) {
            bench.tally.clear();
            bench.tally.addPicks(32767);
            bench.display.flush();
        }
        state.SetItemsProcessed(state.iterations() * 32767);
    }
    BENCHMARK(BM_WindowChain32767)->Unit(benchmark::kMillisecond);

    // From the menu command to the repainted window.
    void BM_WindowBatch900FromMenu(benchmark::State& state)
    {
        ShownWindow shown;
        auto* plus900 = shown.window.findChild<QAction*>(QStringLiteral("mnu900More"));
        auto* clear = shown.window.findChild<QAction*>(QStringLiteral("mnuClear"));
        for (auto _ : state) {
            state.PauseTiming();
            clear->trigger();
            shown.window.repaint();
            state.ResumeTiming();
            plus900->trigger();
            shown.window.repaint();
        }
        state.SetItemsProcessed(state.iterations() * 900);
    }
    BENCHMARK(BM_WindowBatch900FromMenu)->Unit(benchmark::kMicrosecond);

    // From the Return on Plus 900 More in the open Randomization menu to the new count in its
    // box, as a person chooses it: the span the page's benchmark times in the browser.
    void BM_WindowBatch900FromReturn(benchmark::State& state)
    {
        ShownWindow shown;
        auto* menu = shown.window.findChild<QMenu*>(QStringLiteral("mnuRandom"));
        auto* plus900 = shown.window.findChild<QAction*>(QStringLiteral("mnu900More"));
        auto* clear = shown.window.findChild<QAction*>(QStringLiteral("mnuClear"));
        auto* picks = shown.window.findChild<QLineEdit*>(QStringLiteral("txtPicks"));
        for (auto _ : state) {
            state.PauseTiming();
            clear->trigger();
            menu->popup(shown.window.mapToGlobal(QPoint(10, 10)));
            menu->setActiveAction(plus900);
            QApplication::processEvents();
            state.ResumeTiming();
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(menu, &press);
            benchmark::DoNotOptimize(picks->text());
        }
        if (picks->text() != QStringLiteral("900")) {
            state.SkipWithError("Return on Plus 900 More did not make 900 picks");
        }
        state.SetItemsProcessed(state.iterations() * 900);
    }
    BENCHMARK(BM_WindowBatch900FromReturn)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gridwick

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    gridwick::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
