#pragma once

#include "fakes.h"
#include "window/frm_gridwick.h"
#include "window/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gridwick::testing {

// Clicks an item of an open menu. The pointer travels onto it first, in several steps as a
// hand moves it: from Qt 6.8 on, a menu ignores a press or release until the pointer has
// moved since it opened.
inline void clickMenuItem(QMenu* menu, QAction* item)
{
    const QPoint centre = menu->actionGeometry(item).center();
    const QPoint start(2, 2);
    constexpr int steps = 8;
    for (int step = 1; step <= steps; ++step) {
        QTest::mouseMove(menu, start + (centre - start) * step / steps);
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
}

// What a message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers every modal message box that opens while it lives, from a timer, and records what
// each one said. A box it cannot answer is closed after a few seconds so a test never hangs.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer,
        std::function<void()> onShown = {}, int intervalMilliseconds = 10)
        : answer_(answer)
        , onShown_(std::move(onShown))
        , stuckLimit_(intervalMilliseconds > 0 ? 3000 / intervalMilliseconds : 100000)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { poll(); });
        timer_.start(intervalMilliseconds);
    }

    [[nodiscard]] const std::vector<SeenBox>& boxes() const { return boxes_; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            stuckPolls_ = modal == nullptr ? 0 : stuckPolls_ + 1;
            if (stuckPolls_ > stuckLimit_) {
                ADD_FAILURE() << "a modal window that is not a message box stayed open";
                modal->close();
            }
            return;
        }
        boxes_.push_back({ box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->standardButton(box->defaultButton()) });
        if (onShown_) {
            onShown_();
        }
        QAbstractButton* button = box->button(answer_);
        if (button == nullptr) {
            ADD_FAILURE() << "the box has no such button: " << box->text().toStdString();
            box->close();
            return;
        }
        button->click();
    }

    QMessageBox::StandardButton answer_;
    std::function<void()> onShown_;
    std::vector<SeenBox> boxes_;
    QTimer timer_;
    int stuckLimit_;
    int stuckPolls_ = 0;
};

// Every language the program carries, English (whose file holds its plurals) among them.
inline std::vector<std::string> carriedLanguages()
{
    std::vector<std::string> languages;
    for (const QString& file : QDir(":/i18n").entryList({ "gridwick_*.qm" })) {
        languages.push_back(file.sliced(9).chopped(3).toStdString()); // gridwick_de.qm: de
    }
    return languages;
}

// The program in one language while it lives; a base of a fixture whose window it translates.
struct InLanguage {
    explicit InLanguage(const std::string& language)
        : translations(QLocale(QString::fromStdString(language)))
    {
    }
    Translations translations;
};

// A shown window with a scripted random source.
class WindowFixture : public ::testing::Test {
protected:
    explicit WindowFixture(
        std::vector<float> script = scriptForScores({ { 40, 12 }, { 9, 63 }, { 33, 33 } }))
        : window(std::make_unique<ScriptedRandom>(std::move(script)))
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename T = QWidget> T* child(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QAction* action(const char* name) { return child<QAction>(name); }
    QString boxText(const char* name) { return child<QLineEdit>(name)->text(); }
    QWidget* surface() { return window.centralWidget(); }

    // Every box's text, in display-field order.
    std::vector<QString> allBoxTexts()
    {
        std::vector<QString> texts;
        for (const auto field : allDisplayFields) {
            texts.push_back(window.findChild<QLineEdit*>(boxName(field))->text());
        }
        return texts;
    }

    FrmGridwick window;
};

} // namespace gridwick::testing
