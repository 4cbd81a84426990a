#include "window_fixture.h"

#include <QPushButton>

#include <limits>
#include <string>

namespace gridwick::testing {
namespace {

    using WindowErrors = WindowFixture;

    void expectOverflowReport(const std::vector<SeenBox>& boxes)
    {
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].title, "Gridwick");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(boxes[0].text.startsWith("Run-time error 6: Overflow"))
            << boxes[0].text.toStdString();
        EXPECT_TRUE(boxes[0].text.contains("Clear"));
    }

    TEST_F(WindowErrors, OverflowIsReportedAndTheTallyKept)
    {
        auto* pick = child<QPushButton>("Command1");
        const auto press = [pick](int times) {
            for (int i = 0; i < times; ++i) {
                pick->click();
            }
        };
        for (int i = 0; i < 35; ++i) {
            action("mnu900More")->trigger();
        }
        action("mnu300More")->trigger();
        press(68);
        ASSERT_EQ(window.counters().intPicks, 31868); // one above the limit of "Plus 900 More"

        TallyCounters before = window.counters();
        auto textsBefore = allBoxTexts();
        {
            MessageBoxAnswerer answerer(QMessageBox::Ok);
            action("mnu900More")->trigger();
            expectOverflowReport(answerer.boxes());
        }
        EXPECT_EQ(window.counters(), before);
        EXPECT_EQ(allBoxTexts(), textsBefore);

        action("mnu800More")->trigger(); // its limit is 31967
        press(99);
        ASSERT_EQ(window.counters().intPicks, 32767);

        before = window.counters();
        textsBefore = allBoxTexts();
        {
            MessageBoxAnswerer answerer(QMessageBox::Ok);
            window.activateWindow(); // the first report took the focus away
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&answerer] { return !answerer.boxes().empty(); }));
            expectOverflowReport(answerer.boxes());
        }
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.counters(), before);
        EXPECT_EQ(allBoxTexts(), textsBefore);

        action("mnuClear")->trigger();
        action("mnu100More")->trigger();
        EXPECT_EQ(boxText("txtPicks"), "100");
    }

    class WindowWithBrokenRandom : public WindowFixture {
    protected:
        WindowWithBrokenRandom()
            : WindowFixture({ 0.5F, 0.5F, std::numeric_limits<float>::quiet_NaN(), 0.5F })
        {
        }
    };

    TEST_F(WindowWithBrokenRandom, WritesMadeBeforeAnErrorAreShownWithItsReport)
    {
        const ShowCounter counter(notice());
        child<QPushButton>("Command1")->click();
        QString picksWhileReported;
        MessageBoxAnswerer answerer(
            QMessageBox::Ok, [&] { picksWhileReported = boxText("txtPicks"); });
        child<QPushButton>("Command1")->click();
        ASSERT_EQ(answerer.boxes().size(), 1U);
        EXPECT_TRUE(answerer.boxes()[0].text.startsWith("Run-time error 16:"))
            << answerer.boxes()[0].text.toStdString();
        EXPECT_EQ(picksWhileReported, "2");
        EXPECT_EQ(window.counters().intPicks, 1);
        EXPECT_EQ(boxText("Text1"), "");
        // The report is all a screen reader is told of the failed pick.
        EXPECT_EQ(counter.shows(), 1);
        EXPECT_EQ(notice()->accessibleName().toStdString(), "Visitor 36, home 36, a tie, 1 pick");
    }

} // namespace
} // namespace gridwick::testing
