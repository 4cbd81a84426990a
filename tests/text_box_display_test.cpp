#include "window/text_box_display.h"

#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace gridwick {
namespace {

    struct Form {
        Form()
        {
            for (const auto field : allDisplayFields) {
                boxes[indexOf(field)] = new QLineEdit(&widget); // owned by the form
            }
        }
        QLineEdit* box(DisplayField field) { return boxes[indexOf(field)]; }
        QWidget widget;
        TextBoxes boxes {};
    };

    TEST(TextBoxDisplay, TextsOfEveryLengthReachTheirBoxesOnFlush)
    {
        Form form;
        TextBoxDisplay display(form.boxes);
        const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        for (std::size_t length = 0; length <= alphabet.size(); ++length) {
            const std::string text = alphabet.substr(0, length);
            display.setText(DisplayField::Total, "stale");
            display.setText(DisplayField::Total, text);
            display.setText(DisplayField::txtHome, std::to_string(length));
            display.flush();
            EXPECT_EQ(form.box(DisplayField::Total)->text().toStdString(), text) << length;
            EXPECT_EQ(
                form.box(DisplayField::txtHome)->text().toStdString(), std::to_string(length));
        }
    }

    TEST(TextBoxDisplay, BoxesChangeOnlyOnFlush)
    {
        Form form;
        TextBoxDisplay display(form.boxes);
        display.setText(DisplayField::txtPicks, "1");
        EXPECT_EQ(form.box(DisplayField::txtPicks)->text(), "");
        display.flush();
        EXPECT_EQ(form.box(DisplayField::txtPicks)->text(), "1");
        form.box(DisplayField::Text1)->setText("untouched");
        display.flush(); // nothing pending: no box is written
        EXPECT_EQ(form.box(DisplayField::Text1)->text(), "untouched");
    }

} // namespace
} // namespace gridwick
