#include "spoken_lines.h"
#include "window_fixture.h"

#include <QPushButton>

#include <limits>

namespace gridwick::testing {
namespace {

    using WindowErrors = WindowFixture;

    TEST_F(WindowErrors, ABatchPastTheLimitIsReportedAndTheTallyKept)
    {
        for (int i = 0; i < 36; ++i) {
            action("mnu900More")->trigger();
        }
        ASSERT_EQ(window.counters().intPicks, 32400); // above the last start of "Plus 900 More"
        const TallyCounters before = window.counters();
        const auto textsBefore = allBoxTexts();
        {
            MessageBoxAnswerer answerer(QMessageBox::Ok);
            action("mnu900More")->trigger();
            ASSERT_EQ(answerer.boxes().size(), 1U);
            EXPECT_EQ(answerer.boxes()[0].title, "Gridwick");
            EXPECT_EQ(answerer.boxes()[0].icon, QMessageBox::Critical);
            EXPECT_TRUE(answerer.boxes()[0].text.startsWith("Run-time error 6: Overflow\n\n"))
                << answerer.boxes()[0].text.toStdString();
            EXPECT_TRUE(answerer.boxes()[0].text.contains("File > Clear"));
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
        const SpokenLines spoken;
        child<QPushButton>("Command1")->click();
        QString picksWhileReported;
        MessageBoxAnswerer answerer(
            QMessageBox::Ok, [&] { picksWhileReported = boxText("txtPicks"); });
        child<QPushButton>("Command1")->click();
        ASSERT_EQ(answerer.boxes().size(), 1U);
        EXPECT_TRUE(answerer.boxes()[0].text.startsWith(
            "Run-time error 16: Invalid floating-point result\n\n"))
            << answerer.boxes()[0].text.toStdString();
        EXPECT_EQ(picksWhileReported, "2");
        EXPECT_EQ(window.counters().intPicks, 1);
        EXPECT_EQ(boxText("Text1"), "");
        // The report is all a screen reader is told of the failed pick.
        EXPECT_EQ(
            spoken.lines(), std::vector<std::string> { "Visitor 36, home 36, a tie, 1 pick" });
    }

} // namespace
} // namespace gridwick::testing
