#include "window_fixture.h"

#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace gridwick::testing {
namespace {

    using WindowQuit = WindowFixture;

    void expectQuitQuestion(const std::vector<SeenBox>& boxes)
    {
        ASSERT_EQ(boxes.size(), 1U) << "expected exactly one question";
        EXPECT_EQ(boxes[0].title, "QUIT?!");
        EXPECT_EQ(boxes[0].text, "Do you really want to quit? ");
        EXPECT_EQ(boxes[0].icon, QMessageBox::Question);
        EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(boxes[0].defaultButton, QMessageBox::Yes);
    }

    TEST_F(WindowQuit, ClosingAnsweredNoKeepsWindowAndTally)
    {
        action("mnu100More")->trigger();
        const TallyCounters before = window.counters();
        const auto textsBefore = allBoxTexts();
        MessageBoxAnswerer answerer(QMessageBox::No);
        EXPECT_FALSE(window.close());
        expectQuitQuestion(answerer.boxes());
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.counters(), before);
        EXPECT_EQ(allBoxTexts(), textsBefore);
    }

    TEST_F(WindowQuit, ClosingAnsweredYesCloses)
    {
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        EXPECT_TRUE(window.close());
        expectQuitQuestion(answerer.boxes());
        EXPECT_FALSE(window.isVisible());
    }

    TEST_F(WindowQuit, ExitAnsweredNoChangesNothing)
    {
        action("mnu100More")->trigger();
        const TallyCounters before = window.counters();
        QSignalSpy ended(&window, &FrmGridwick::endProgramRequested);
        MessageBoxAnswerer answerer(QMessageBox::No);
        action("mnuExit")->trigger();
        expectQuitQuestion(answerer.boxes());
        EXPECT_EQ(ended.count(), 0);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.counters(), before);
    }

    TEST_F(WindowQuit, ExitAnsweredYesEndsWithoutASecondQuestion)
    {
        QSignalSpy ended(&window, &FrmGridwick::endProgramRequested);
        MessageBoxAnswerer answerer(QMessageBox::Yes);
        action("mnuExit")->trigger();
        QTest::qWait(50);
        expectQuitQuestion(answerer.boxes());
        EXPECT_EQ(ended.count(), 1);
        EXPECT_TRUE(window.isVisible()); // the close handler, and its question, never ran
    }

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
