#include "window_fixture.h"

#include "window/result_notice.h"

#include <QAccessible>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace gridwick::testing {
namespace {

    using WindowLayout = WindowFixture;

    // Where a label's caption puts ink, drawn without clipping, relative to the label.
    QRectF captionInk(const QLabel& label)
    {
        constexpr int margin = 40;
        const qreal ratio = label.devicePixelRatioF();
        QImage image((label.size() + QSize(2 * margin, 2 * margin)) * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setFont(label.font());
            painter.drawText(QRect(QPoint(margin, margin), label.size()),
                int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0), label.text());
        }
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    ink |= QRect(x, y, 1, 1);
                }
            }
        }
        return QRectF(ink.x() / ratio - margin, ink.y() / ratio - margin, ink.width() / ratio,
            ink.height() / ratio);
    }

    // The width a box's text may take: inside its frame, with a little to spare.
    int roomInside(const QLineEdit& box)
    {
        QStyleOptionFrame option;
        option.initFrom(&box);
        option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
        return box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).width() - 4;
    }

    TEST_F(WindowLayout, ClientAreaIsFixedBelowTheMenuBar)
    {
        EXPECT_EQ(window.windowTitle(), "Gridwick");
        EXPECT_EQ(surface()->size(), QSize(470, 389));
        EXPECT_EQ(surface()->y(), window.menuBar()->height());
        EXPECT_EQ(window.height(), window.menuBar()->height() + 389);
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.findChildren<QLineEdit*>().size(), 9);
        EXPECT_EQ(window.findChildren<QLabel*>().size(), 7);
        EXPECT_EQ(window.findChildren<QPushButton*>().size(), 1);
        for (const QWidget* control : surface()->findChildren<QWidget*>()) {
            EXPECT_TRUE(surface()->rect().contains(control->geometry()))
                << control->objectName().toStdString();
        }
    }

    // The window in each language the program carries, English among them.
    class WindowLayoutInEachLanguage : public ::testing::WithParamInterface<std::string>,
                                       public InLanguage,
                                       public WindowFixture {
    protected:
        WindowLayoutInEachLanguage()
            : InLanguage(GetParam())
        {
        }
    };

    TEST_P(WindowLayoutInEachLanguage, EveryControlHasItsFontAndEveryCaptionFits)
    {
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const QFontInfo font(label->font());
            EXPECT_EQ(font.pointSize(), 18) << label->text().toStdString();
            EXPECT_TRUE(font.bold()) << label->text().toStdString();
        }
#ifdef Q_OS_WIN
        if (QGuiApplication::platformName() == "offscreen") {
            GTEST_SKIP() << "On Windows the offscreen platform sets text with FreeType, wider and "
                            "higher than GDI, with which the window draws; the Windows program "
                            "test reads the captions in the real window";
        }
#endif
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            SCOPED_TRACE(label->text().toStdString());
            const QFontMetrics metrics(label->font());
            const QStringList lines = label->text().split(label->wordWrap() ? ' ' : '\n');
            EXPECT_EQ(lines.size(), label->objectName() == "lblPicks" ? 2 : 1);
            for (const QString& line : lines) {
                EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
            }
            // Two pixels to spare above and below: font rasterisers differ by that much.
            const QRectF ink = captionInk(*label);
            EXPECT_TRUE(QRectF(label->rect()).adjusted(0, 2, 0, -2).contains(ink))
                << "ink at " << ink.x() << ',' << ink.y() << ' ' << ink.width() << 'x'
                << ink.height();
        }

        const auto* button = child<QPushButton>("Command1");
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
        const QString marker = QCoreApplication::translate("TextBoxDisplay", "WINNER!!");
        EXPECT_LE(QFontMetrics(child("Text1")->font()).horizontalAdvance(marker),
            roomInside(*child<QLineEdit>("Text1")))
            << marker.toStdString();
    }

    // The access key of a caption: the character after its single '&'; none without one.
    QChar accessKey(const QString& caption)
    {
        return QKeySequence::mnemonic(caption).isEmpty()
            ? QChar()
            : caption.at(caption.indexOf('&') + 1).toUpper();
    }

    // The menu bar's titles with PICK!!, and the File menu's items, each have an access key of
    // their own; the batch commands have none, as in English.
    TEST_P(WindowLayoutInEachLanguage, AccessKeysAreUniqueInTheWindowAndEachMenu)
    {
        QStringList inWindow { child<QPushButton>("Command1")->text() };
        QStringList inFileMenu;
        for (const QAction* title : window.menuBar()->actions()) {
            inWindow.append(title->text());
        }
        for (const QAction* item : child<QMenu>("mnuFile")->actions()) {
            inFileMenu.append(item->text());
        }
        for (const QStringList& captions : { inWindow, inFileMenu }) {
            QSet<QChar> keys;
            for (const QString& caption : captions) {
                keys.insert(accessKey(caption));
            }
            EXPECT_TRUE(keys.size() == captions.size() && !keys.contains(QChar()))
                << captions.join(' ').toStdString();
        }
        for (const QAction* item : child<QMenu>("mnuRandom")->actions()) {
            EXPECT_TRUE(accessKey(item->text()).isNull()) << item->text().toStdString();
        }
    }

    // The plural form CLDR's rules give 1, 2, 5, 12, 22 and 101: Polish's and Russian's, and
    // every other language's (French's and Brazilian Portuguese's differ from English's at 0).
    const std::map<std::string, std::vector<int>> pluralForms { { "pl", { 0, 1, 2, 2, 1, 2 } },
        { "ru", { 0, 1, 2, 2, 1, 0 } }, { "", { 0, 1, 1, 1, 1, 1 } } };

    // The line a screen reader is told takes the count's plural form from the language's file.
    TEST_P(WindowLayoutInEachLanguage, SpokenLineTakesTheCountsPluralForm)
    {
        QFile file(QString::fromStdString(":/ts/gridwick_" + GetParam() + ".ts"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QRegularExpression numerusForm("<numerusform>(.*)</numerusform>");
        QStringList forms;
        for (const auto& match : numerusForm.globalMatch(QString::fromUtf8(file.readAll()))) {
            forms.append(match.captured(1));
        }
        const auto& form = pluralForms.at(pluralForms.contains(GetParam()) ? GetParam() : "");
        ASSERT_EQ(forms.size(), form[2] + 1);
        // Each count's own form: one copied into another's place would pass the rows below.
        EXPECT_EQ(QSet<QString>(forms.cbegin(), forms.cend()).size(), forms.size())
            << forms.join(" | ").toStdString();
        const std::array counts { 1, 2, 5, 12, 22, 101 };
        for (std::size_t row = 0; row < counts.size(); ++row) {
            const auto picks = static_cast<std::int16_t>(counts[row]);
            const TallyCounters tie { 33, 33, picks, picks };
            EXPECT_EQ(resultLine(tie).toStdString(),
                QString(forms[form[row]])
                    .replace("%n", QString::number(picks))
                    .arg(33)
                    .arg(33)
                    .arg(QCoreApplication::translate("ResultNotice", "a tie"))
                    .toStdString());
        }
    }

    INSTANTIATE_TEST_SUITE_P(Carried, WindowLayoutInEachLanguage,
        ::testing::ValuesIn(carriedLanguages()),
        [](const auto& language) { return language.param; });

    TEST_F(WindowLayout, FocusStartsOnPickAndTabFollowsTheTabIndex)
    {
        EXPECT_EQ(QApplication::focusWidget(), child("Command1"));
        const char* order[] = { "Total", "Text2", "txtPicks", "txtWin2", "txtTies", "txtVisitor",
            "txtHome", "txtWin1", "Text1", "Command1" };
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
        }
    }

    // The nine boxes: what a screen reader calls each, the widest text it ever shows, and
    // whether that text is red.
    struct Box {
        const char* name;
        const char* spoken;
        const char* widest;
        bool red;
    };
    constexpr Box nineBoxes[] = {
        { "txtVisitor", "Visitor score", "70", false },
        { "Text1", "Visitor winner", "WINNER!!", true },
        { "txtWin1", "Visitor wins", "32767", false },
        { "txtHome", "Home score", "70", false },
        { "Text2", "Home winner", "WINNER!!", true },
        { "txtWin2", "Home wins", "32767", false },
        { "Total", "Total", "140", true },
        { "txtTies", "Ties", "32767", true },
        { "txtPicks", "Total picks", "32767", false },
    };

    TEST_F(WindowLayout, EveryBoxIsReadOnlyWithItsSpokenNameColourAndRoomForItsWidestText)
    {
        for (const Box& expected : nineBoxes) {
            SCOPED_TRACE(expected.name);
            auto* box = child<QLineEdit>(expected.name);
            EXPECT_TRUE(box->isReadOnly());
            EXPECT_TRUE(box->text().isEmpty());
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            ASSERT_NE(accessible, nullptr);
            EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), expected.spoken);
            EXPECT_TRUE(accessible->state().readOnly);
            EXPECT_EQ(box->palette().color(QPalette::Text) == QColor(255, 0, 0), expected.red);

            EXPECT_LE(
                QFontMetrics(box->font()).horizontalAdvance(QString::fromLatin1(expected.widest)),
                roomInside(*box));
        }
    }

    std::vector<std::string> captions(const QList<QAction*>& actions)
    {
        std::vector<std::string> texts;
        for (const QAction* action : actions) {
            EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
            EXPECT_FALSE(action->isCheckable()) << action->text().toStdString();
            EXPECT_FALSE(action->isSeparator());
            EXPECT_TRUE(action->isEnabled() && action->isVisible());
            // No platform may move an item out of its menu by what its text says.
            EXPECT_TRUE(action->menu() != nullptr || action->menuRole() == QAction::NoRole)
                << action->text().toStdString();
            texts.push_back(action->text().toStdString());
        }
        return texts;
    }

    TEST_F(WindowLayout, MenuTreeHasItsCaptionsInOrder)
    {
        EXPECT_EQ(captions(window.menuBar()->actions()),
            (std::vector<std::string> { "&File", "&Randomization" }));
        EXPECT_EQ(captions(child<QMenu>("mnuFile")->actions()),
            (std::vector<std::string> { "&Print", "E&xit", "&Clear" }));
        EXPECT_EQ(captions(child<QMenu>("mnuRandom")->actions()),
            (std::vector<std::string> { "Plus 100 More", "Plus 200 More", "Plus 300 More",
                "Plus 400 More", "Plus 500 More", "Plus 600 More", "Plus 700 More", "Plus 800 More",
                "Plus 900 More", "Clear Fields" }));
        // The batch commands are bound by the size each item carries: none may lack it.
        std::vector<int> sizes;
        for (const QAction* item : child<QMenu>("mnuRandom")->actions()) {
            sizes.push_back(item->property("batchSize").toInt());
        }
        EXPECT_EQ(sizes, (std::vector<int> { 100, 200, 300, 400, 500, 600, 700, 800, 900, 0 }));
    }

} // namespace
} // namespace gridwick::testing
