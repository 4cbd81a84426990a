#include "spoken_lines.h"
#include "window_fixture.h"

#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>

#include <string>

namespace gridwick::testing {
namespace {

    using WindowCommands = WindowFixture;

    // Chooses an item of an open menu with the pointer, as a user would.
    void chooseFromOpenMenu(QMenu* menu, QAction* item)
    {
        ASSERT_TRUE(QTest::qWaitFor([menu] { return QApplication::activePopupWidget() == menu; }))
            << "menu did not open";
        clickMenuItem(menu, item);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }));
    }

    TEST_F(WindowCommands, AltKMakesAPick)
    {
        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return window.counters().intPicks == 1; }));
        EXPECT_EQ(boxText("txtPicks"), "1");
        EXPECT_EQ(boxText("txtVisitor"), "40");
        EXPECT_EQ(boxText("txtHome"), "12");
        EXPECT_EQ(boxText("Total"), "52");
        EXPECT_EQ(boxText("Text1"), "WINNER!!");
        EXPECT_EQ(boxText("txtWin1"), "1");
    }

    TEST_F(WindowCommands, EveryBatchRunsFromTheMenuBarAndThePopUp)
    {
        auto* randomization = child<QMenu>("mnuRandom");
        int expected = 0;
        for (int size = 100; size <= 900; size += 100) {
            QAction* item = action(("mnu" + std::to_string(size) + "More").c_str());

            QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
            chooseFromOpenMenu(randomization, item);
            expected += size;
            EXPECT_EQ(window.counters().intPicks, expected) << "menu bar, " << size;

            QTest::mousePress(surface(), Qt::RightButton, {}, QPoint(10, 370));
            chooseFromOpenMenu(randomization, item);
            expected += size;
            EXPECT_EQ(window.counters().intPicks, expected) << "pop-up, " << size;
            EXPECT_EQ(boxText("txtPicks").toInt(), expected);
        }
        EXPECT_EQ(boxText("txtTies").toInt(), window.counters().intTies);
    }

    TEST_F(WindowCommands, MenuKeyAndShiftF10OpenThePopUpAtTheFocus)
    {
        auto* randomization = child<QMenu>("mnuRandom");
        const QWidget* focus = QApplication::focusWidget();
        int expected = 0;
        for (const auto& [key, modifiers] : { std::pair { Qt::Key_Menu, Qt::NoModifier },
                 std::pair { Qt::Key_F10, Qt::ShiftModifier } }) {
            QTest::keyClick(&window, key, modifiers);
            ASSERT_TRUE(QTest::qWaitFor([randomization] { return randomization->isVisible(); }))
                << "key " << key;
            EXPECT_TRUE(randomization->geometry().contains(
                focus->mapToGlobal(focus->rect().center()) + QPoint(1, 1)));
            // Down to "Plus 100 More", Enter chooses it: the same batch as from the menu bar.
            QTest::keyClick(randomization, Qt::Key_Down);
            QTest::keyClick(randomization, Qt::Key_Return);
            expected += 100;
            ASSERT_TRUE(QTest::qWaitFor([&] { return window.counters().intPicks == expected; }));
            EXPECT_EQ(boxText("txtPicks").toInt(), expected);
        }
    }

    TEST_F(WindowCommands, OnlyARightPressOnTheBareSurfaceOpensThePopUp)
    {
        auto* randomization = child<QMenu>("mnuRandom");
        QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(10, 370));
        QTest::mousePress(surface(), Qt::MiddleButton, {}, QPoint(10, 370));
        QTest::mousePress(child("Label1"), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mousePress(child("Command1"), Qt::RightButton, {}, QPoint(5, 5));
        QTest::qWait(50);
        EXPECT_FALSE(randomization->isVisible());
        EXPECT_EQ(window.counters(), TallyCounters {});

        QTest::mousePress(surface(), Qt::RightButton, {}, QPoint(10, 370));
        ASSERT_TRUE(QTest::qWaitFor([randomization] { return randomization->isVisible(); }));
        EXPECT_TRUE(randomization->geometry().contains(
            surface()->mapToGlobal(QPoint(10, 370)) + QPoint(1, 1)));
        randomization->close();
    }

    TEST_F(WindowCommands, EveryCommandThatChangesTheBoxesIsAnnouncedOnceAndKeepsTheFocus)
    {
        auto* pick = child<QPushButton>("Command1");
        pick->setFocus();
        const SpokenLines spoken;
        std::vector<std::string> expected;
        const auto expectAnnounced = [&](const char* line) {
            expected.emplace_back(line);
            EXPECT_EQ(spoken.lines(), expected);
            EXPECT_EQ(window.focusWidget(), pick) << line;
        };
        QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return window.counters().intPicks == 1; }));
        expectAnnounced("Visitor 40, home 12, visitor wins, 1 pick");
        pick->click();
        expectAnnounced("Visitor 9, home 63, home wins, 2 picks");
        action("mnu100More")->trigger();
        expectAnnounced("Visitor 33, home 33, a tie, 102 picks");
        {
            // Print, and Exit answered No, say nothing new.
            window.setPrinterProvider([] { return nullptr; });
            const MessageBoxAnswerer answerer(QMessageBox::No);
            action("mnuExit")->trigger();
            ASSERT_EQ(answerer.boxes().size(), 1U);
        }
        {
            const MessageBoxAnswerer answerer(QMessageBox::Ok);
            action("mnuPrint")->trigger();
            ASSERT_EQ(answerer.boxes().size(), 1U);
        }
        EXPECT_EQ(spoken.lines(), expected);
        action("mnuClear")->trigger();
        expectAnnounced("Cleared");
        action("mnuClearFields")->trigger();
        expectAnnounced("Cleared");
        if (const auto* notice = window.findChild<QWidget*>(QStringLiteral("resultNotice"))) {
            EXPECT_FALSE(window.rect().intersects(notice->geometry())) << "drawn on screen";
        }
    }

    TEST(WindowClear, ClearAndClearFieldsLeaveTheSameState)
    {
        struct Run {
            FrmGridwick window { std::make_unique<ScriptedRandom>(
                scriptForScores({ { 40, 12 }, { 9, 63 }, { 33, 33 } })) };
            std::vector<QString> texts()
            {
                std::vector<QString> all;
                for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
                    all.push_back(box->objectName() + '=' + box->text());
                }
                return all;
            }
        };
        Run clear;
        Run clearFields;
        for (Run* run : { &clear, &clearFields }) {
            run->window.findChild<QAction*>("mnu300More")->trigger();
        }
        clear.window.findChild<QAction*>("mnuClear")->trigger();
        clearFields.window.findChild<QAction*>("mnuClearFields")->trigger();
        EXPECT_EQ(clear.window.counters(), clearFields.window.counters());
        EXPECT_EQ(clear.texts(), clearFields.texts());
        for (const QString& text : clear.texts()) {
            EXPECT_TRUE(text.endsWith('=')) << text.toStdString();
        }
    }

} // namespace
} // namespace gridwick::testing
