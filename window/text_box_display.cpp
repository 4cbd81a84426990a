#include "window/text_box_display.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace gridwick {

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
            slot.box->setText(
                QString::fromLatin1(slot.text.data(), static_cast<qsizetype>(slot.text.size())));
            slot.pending = false;
        }
    }
}

} // namespace gridwick
