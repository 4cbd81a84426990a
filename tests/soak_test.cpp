// Model-based soak: random user actions against the real window, each followed by a
// comparison of every box and counter with a small reference model of the tally.
// GRIDWICK_SOAK_ACTIONS sets the number of actions, GRIDWICK_SOAK_SEED replays a run.
#include "window_fixture.h"

#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace gridwick::testing {
namespace {

    constexpr int picksLimit = 32767;

    // The tally as the user sees it, written from the rules, not from the program's code.
    class TallyModel {
    public:
        explicit TallyModel(const std::vector<float>& script)
            : script_(script)
        {
        }

        // One press of PICK!!; false when it overflows (and changes nothing).
        bool press()
        {
            if (picks == picksLimit) {
                return false;
            }
            do {
                pickOnce();
            } while (picks < target);
            return true;
        }

        bool addPicks(int size)
        {
            if (picks > picksLimit - size) {
                return false;
            }
            target = picks + size;
            return press();
        }

        void clear()
        {
            picks = ties = visitorWins = homeWins = 0;
            boxes.fill("");
        }

        int visitor = 0, home = 0, picks = 0, ties = 0, visitorWins = 0, homeWins = 0, target = 0;
        std::array<std::string, displayFieldCount> boxes {}; // in display-field order

    private:
        int draw()
        {
            const float r = script_[position_];
            position_ = (position_ + 1) % script_.size();
            return static_cast<int>(std::floor(double(r) * 69 + 2));
        }

        void pickOnce()
        {
            ++picks;
            visitor = draw();
            home = draw();
            set(DisplayField::txtPicks, picks);
            boxes[indexOf(DisplayField::Text1)] = visitor > home ? "WINNER!!" : "";
            boxes[indexOf(DisplayField::Text2)] = home > visitor ? "WINNER!!" : "";
            if (visitor > home) {
                set(DisplayField::txtWin1, ++visitorWins);
            } else if (home > visitor) {
                set(DisplayField::txtWin2, ++homeWins);
            } else {
                set(DisplayField::txtTies, ++ties);
            }
            set(DisplayField::Total, visitor + home);
            set(DisplayField::txtVisitor, visitor);
            set(DisplayField::txtHome, home);
        }

        void set(DisplayField field, int value) { boxes[indexOf(field)] = std::to_string(value); }

        const std::vector<float>& script_;
        std::size_t position_ = 0;
    };

    int environmentNumber(const char* name, int fallback)
    {
        const char* value = std::getenv(name);
        return value != nullptr ? std::atoi(value) : fallback;
    }

    std::vector<float> randomScript(std::uint32_t seed)
    {
        std::mt19937 generator(seed);
        std::uniform_int_distribution<std::uint32_t> bits(0, (1U << 24U) - 1);
        std::vector<float> script(1 << 16);
        for (float& value : script) {
            value = static_cast<float>(bits(generator)) / 16777216.0F;
        }
        return script;
    }

    class Soak : public ::testing::Test {
    protected:
        Soak()
            : seed(static_cast<std::uint32_t>(environmentNumber("GRIDWICK_SOAK_SEED", 20261208)))
            , script(randomScript(seed))
            , window(std::make_unique<ScriptedRandom>(script))
            , model(script)
        {
            window.show();
            window.setPrinterProvider([this] {
                auto printer = std::make_unique<QPrinter>();
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(pdfDirectory.filePath("soak.pdf"));
                return printer;
            });
        }

        QAction* action(const std::string& name)
        {
            return window.findChild<QAction*>(QString::fromStdString(name));
        }

        // Runs a user action; `modelAccepts` is what the model says of it (false: Overflow).
        void act(const std::function<void()>& userAction, bool modelAccepts, int& overflows)
        {
            const std::size_t boxesBefore = answerer.boxes().size();
            userAction();
            const std::size_t reports = answerer.boxes().size() - boxesBefore;
            ASSERT_EQ(reports, modelAccepts ? 0U : 1U);
            if (!modelAccepts) {
                ASSERT_TRUE(answerer.boxes().back().text.startsWith("Run-time error 6: Overflow"));
                ++overflows;
            }
        }

        void expectSameAsModel()
        {
            const TallyCounters& c = window.counters();
            ASSERT_EQ(c.intPicks, model.picks);
            ASSERT_EQ(c.intTarget, model.target);
            ASSERT_EQ(c.intTies, model.ties);
            ASSERT_EQ(c.intWin1, model.visitorWins);
            ASSERT_EQ(c.intWin2, model.homeWins);
            if (model.picks > 0) {
                ASSERT_EQ(c.intVisitor, model.visitor);
                ASSERT_EQ(c.intHome, model.home);
            }
            for (const auto field : allDisplayFields) {
                const auto* box = window.findChild<QLineEdit*>(boxName(field));
                ASSERT_EQ(box->text().toStdString(), model.boxes[indexOf(field)])
                    << controlName(field);
            }
        }

        std::uint32_t seed;
        std::vector<float> script;
        FrmGridwick window;
        TallyModel model;
        QTemporaryDir pdfDirectory;
        MessageBoxAnswerer answerer { QMessageBox::Ok, {}, 0 };
    };

    TEST_F(Soak, RandomActionsAgreeWithTheModel)
    {
        const int actions = environmentNumber("GRIDWICK_SOAK_ACTIONS", 100000);
        std::mt19937 chooser(seed);
        std::uniform_int_distribution<int> percent(0, 999);
        auto* pick = window.findChild<QPushButton*>("Command1");
        auto* randomization = window.findChild<QMenu*>("mnuRandom");
        int pressOverflows = 0;
        int batchOverflows = 0;
        int prints = 0;
        int popUps = 0;

        for (int step = 0; step < actions; ++step) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", action " + std::to_string(step)
                + " (replay with GRIDWICK_SOAK_SEED)");
            const int roll = percent(chooser);
            const int size = 100 * (1 + roll % 9);
            // Near the limit the user mostly fills the tally up to it; once it is full, clears
            // come often, so that runs keep reaching the limit and coming back.
            const bool nearLimit = model.picks > picksLimit - 900;
            const int room = picksLimit - model.picks;
            const int clearChance = room == 0 ? 400 : (nearLimit ? 20 : 4);
            if (roll < clearChance) {
                const bool fields = roll % 2 == 0;
                action(fields ? "mnuClearFields" : "mnuClear")->trigger();
                model.clear();
            } else if (nearLimit && roll < 600 && room > 0 && room % 100 == 0) {
                // Filling the tally up exactly, so that the next press meets its limit.
                const bool accepted = model.addPicks(room);
                act([&] { action("mnu" + std::to_string(room) + "More")->trigger(); }, accepted,
                    batchOverflows);
            } else if (roll < (nearLimit ? 600 : 350)) {
                act([pick] { pick->click(); }, model.press(), pressOverflows);
            } else if (roll < 360) {
                ++popUps;
                QAction* item = action("mnu" + std::to_string(size) + "More");
                const bool accepted = model.addPicks(size);
                act(
                    [&] {
                        QTest::mousePress(
                            window.centralWidget(), Qt::RightButton, {}, QPoint(10, 370));
                        ASSERT_TRUE(randomization->isVisible());
                        clickMenuItem(randomization, item);
                    },
                    accepted, batchOverflows);
            } else if (roll < 362) {
                ++prints;
                action("mnuPrint")->trigger();
                ASSERT_EQ(answerer.boxes().size(), std::size_t(pressOverflows + batchOverflows));
            } else {
                const bool accepted = model.addPicks(size);
                act([&] { action("mnu" + std::to_string(size) + "More")->trigger(); }, accepted,
                    batchOverflows);
            }
            expectSameAsModel();
            if (HasFatalFailure()) {
                return;
            }
        }
        std::printf("soak: %d actions, seed %u: %d press overflows, %d batch overflows, %d prints, "
                    "%d pop-up batches\n",
            actions, seed, pressOverflows, batchOverflows, prints, popUps);
        if (actions >= 10000) {
            EXPECT_GT(pressOverflows, 0) << "never reached the limit of a press";
            EXPECT_GT(batchOverflows, 0) << "never reached the limit of a batch";
        }
    }

} // namespace
} // namespace gridwick::testing
