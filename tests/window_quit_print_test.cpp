#include "window_fixture.h"

#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace gridwick::testing {
namespace {

    struct QuitCase {
        const char* name;
        bool byExit; // File > Exit, or closing the window
        QMessageBox::StandardButton answer;
        friend void PrintTo(const QuitCase& c, std::ostream* out) { *out << c.name; }
    };

    class WindowQuit : public WindowFixture, public ::testing::WithParamInterface<QuitCase> { };

    TEST_P(WindowQuit, AsksOnceAndOnlyYesEnds)
    {
        const QuitCase& c = GetParam();
        const bool yes = c.answer == QMessageBox::Yes;
        action("mnu100More")->trigger();
        const TallyCounters before = window.counters();
        const auto textsBefore = allBoxTexts();
        QSignalSpy ended(&window, &FrmGridwick::endProgramRequested);
        MessageBoxAnswerer answerer(c.answer);
        if (c.byExit) {
            action("mnuExit")->trigger();
            QTest::qWait(50);
        } else {
            EXPECT_EQ(window.close(), yes);
        }

        ASSERT_EQ(answerer.boxes().size(), 1U) << "expected exactly one question";
        EXPECT_EQ(answerer.boxes()[0].title, "QUIT?!");
        EXPECT_EQ(answerer.boxes()[0].text, "Do you really want to quit? ");
        EXPECT_EQ(answerer.boxes()[0].icon, QMessageBox::Question);
        EXPECT_EQ(answerer.boxes()[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(answerer.boxes()[0].defaultButton, QMessageBox::Yes);
        // Exit answered Yes ends the program without closing the window, whose close handler
        // would ask a second time; a close answered Yes closes it.
        EXPECT_EQ(ended.count(), c.byExit && yes ? 1 : 0);
        EXPECT_EQ(window.isVisible(), c.byExit || !yes);
        EXPECT_EQ(window.counters(), before);
        EXPECT_EQ(allBoxTexts(), textsBefore);
    }

    INSTANTIATE_TEST_SUITE_P(CloseAndExit, WindowQuit,
        ::testing::Values(QuitCase { "CloseAnsweredNo", false, QMessageBox::No },
            QuitCase { "CloseAnsweredYes", false, QMessageBox::Yes },
            QuitCase { "ExitAnsweredNo", true, QMessageBox::No },
            QuitCase { "ExitAnsweredYes", true, QMessageBox::Yes }),
        [](const ::testing::TestParamInfo<QuitCase>& info) { return info.param.name; });

    class WindowPrint : public WindowFixture {
    protected:
        void printTo(const QString& file)
        {
            window.setPrinterProvider([file] {
                auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(file);
                return printer;
            });
        }

        QTemporaryDir directory;
    };

    TEST_F(WindowPrint, PrintsAPageAndLeavesTheTallyAlone)
    {
        action("mnu200More")->trigger();
        const TallyCounters before = window.counters();
        const auto textsBefore = allBoxTexts();
        const QString pdf = directory.filePath("window.pdf");
        printTo(pdf);

        MessageBoxAnswerer answerer(QMessageBox::Ok);
        action("mnuPrint")->trigger();
        EXPECT_TRUE(answerer.boxes().empty()) << answerer.boxes()[0].text.toStdString();

        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        EXPECT_TRUE(content.startsWith("%PDF"));
        EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
        EXPECT_GT(content.size(), 5000); // holds the picture, not just an empty page
        EXPECT_EQ(window.counters(), before);
        EXPECT_EQ(allBoxTexts(), textsBefore);
    }

    TEST_F(WindowPrint, NoDefaultPrinterIsReportedAndTheProgramGoesOn)
    {
        window.setPrinterProvider([] { return std::unique_ptr<QPrinter>(); });
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        action("mnuPrint")->trigger();
        ASSERT_EQ(answerer.boxes().size(), 1U);
        EXPECT_EQ(answerer.boxes()[0].title, "Gridwick");
        EXPECT_TRUE(answerer.boxes()[0].text.startsWith("No default printer is set up."));
        action("mnu100More")->trigger();
        EXPECT_EQ(window.counters().intPicks, 100);
    }

    TEST_F(WindowPrint, AFailedPrintJobIsReportedNotPassedOffAsDone)
    {
        printTo(directory.filePath("no-such-folder/window.pdf"));
        MessageBoxAnswerer answerer(QMessageBox::Ok);
        action("mnuPrint")->trigger();
        ASSERT_EQ(answerer.boxes().size(), 1U);
        EXPECT_EQ(answerer.boxes()[0].icon, QMessageBox::Critical);
        EXPECT_TRUE(answerer.boxes()[0].text.contains("could not"))
            << answerer.boxes()[0].text.toStdString();
    }

} // namespace
} // namespace gridwick::testing
