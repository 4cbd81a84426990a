#include "window/text_box_display.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <cstring>
#include <stdexcept>

namespace gridwick {

namespace {

    // Copies up to 16 bytes with fixed-size moves that the compiler inlines; a memcpy call of
    // variable length was a fifth of the cost of a pick.
    void copyShort(char* target, const char* source, std::size_t length) noexcept
    {
        if (length >= 8) {
            std::uint64_t head = 0;
            std::uint64_t tail = 0;
            std::memcpy(&head, source, 8);
            std::memcpy(&tail, source + length - 8, 8);
            std::memcpy(target, &head, 8);
            std::memcpy(target + length - 8, &tail, 8);
        } else if (length >= 4) {
            std::uint32_t head = 0;
            std::uint32_t tail = 0;
            std::memcpy(&head, source, 4);
            std::memcpy(&tail, source + length - 4, 4);
            std::memcpy(target, &head, 4);
            std::memcpy(target + length - 4, &tail, 4);
        } else {
            for (std::size_t i = 0; i < length; ++i) {
                target[i] = source[i];
            }
        }
    }

} // namespace

TextBoxDisplay::TextBoxDisplay(const QWidget& form)
{
    for (const auto field : allDisplayFields) {
        const auto name = controlName(field);
        auto* box = form.findChild<QLineEdit*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (box == nullptr) {
            throw std::logic_error("the window has no text box named " + std::string(name));
        }
        slots_[indexOf(field)].box = box;
    }
}

void TextBoxDisplay::setText(DisplayField field, std::string_view text)
{
    Slot& slot = slots_[indexOf(field)];
    slot.pending = true;
    slot.isLong = text.size() > slot.shortText.size();
    if (slot.isLong) {
        storeLongText(slot, text);
        return;
    }
    copyShort(slot.shortText.data(), text.data(), text.size());
    slot.shortLength = static_cast<std::uint8_t>(text.size());
}

// Out of line, so that the common short path saves no registers.
void TextBoxDisplay::storeLongText(Slot& slot, std::string_view text)
{
    slot.longText.assign(text);
}

void TextBoxDisplay::flush()
{
    for (Slot& slot : slots_) {
        if (slot.pending) {
            const std::string_view text = slot.text();
            slot.box->setText(
                QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
            slot.pending = false;
        }
    }
}

} // namespace gridwick
