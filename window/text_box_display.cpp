#include "window/text_box_display.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace gridwick {

TextBoxDisplay::TextBoxDisplay(const QWidget& form)
{
    for (const auto field : allDisplayFields) {
        const auto name = controlName(field);
        auto* box = form.findChild<QLineEdit*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (box == nullptr) {
            throw std::logic_error("the window has no text box named " + std::string(name));
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
            slot.box->setText(QString::fromLatin1(slot.text.data(), static_cast<qsizetype>(slot.text.size())));
            slot.pending = false;
        }
    }
}

} // namespace gridwick
