#include "window/text_box_display.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace gridwick {

namespace {

    // The tally writes its marker in English; the box shows it in the user's language.
    QString shownText(const std::string& text)
    {
        if (text == winnerMarker) {
            //: Marks the side that won the pick, in red beside its score.
            return QCoreApplication::translate("TextBoxDisplay", "WINNER!!");
        }
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }

} // namespace

QString boxName(DisplayField field)
{
    const std::string_view name = controlName(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

TextBoxes textBoxesIn(const QWidget& window)
{
    TextBoxes boxes {};
    for (const auto field : allDisplayFields) {
        boxes[indexOf(field)] = window.findChild<QLineEdit*>(boxName(field));
    }
    return boxes;
}

TextBoxDisplay::TextBoxDisplay(const TextBoxes& boxes)
{
    for (const auto field : allDisplayFields) {
        QLineEdit* box = boxes[indexOf(field)];
        if (box == nullptr) {
            throw std::logic_error("no text box for " + std::string(controlName(field)));
        }
        slots_[indexOf(field)].box = box;
    }
}

void TextBoxDisplay::setText(DisplayField field, std::string_view text)
{
    Slot& slot = slots_[indexOf(field)];
    slot.text.assign(text);
    slot.pending = true;
}

void TextBoxDisplay::flush()
{
    for (Slot& slot : slots_) {
        if (slot.pending) {
            slot.box->setText(shownText(slot.text));
            slot.pending = false;
        }
    }
}

} // namespace gridwick
