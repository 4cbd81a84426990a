#include "window/text_box_display.h"

#include <QLineEdit>
#include <QString>
#include <QWidget>

#include <cstring>
#include <stdexcept>

namespace gridwick {

namespace {

    // Copies `length` bytes, sizeof(Word) <= length <= 2 * sizeof(Word), as two overlapping
    // words: fixed-size moves that the compiler inlines.
    template <typename Word>
    void copyAsTwoWords(char* target, const char* source, std::size_t length) noexcept
    {
        Word head {};
        Word tail {};
        std::memcpy(&head, source, sizeof(Word));
        std::memcpy(&tail, source + length - sizeof(Word), sizeof(Word));
        std::memcpy(target, &head, sizeof(Word));
        std::memcpy(target + length - sizeof(Word), &tail, sizeof(Word));
    }

    // Copies up to 16 bytes without a memcpy call of variable length, which cost a fifth of
    // a pick.
    void copyShort(char* target, const char* source, std::size_t length) noexcept
    {
        if (length >= sizeof(std::uint64_t)) {
            copyAsTwoWords<std::uint64_t>(target, source, length);
        } else if (length >= sizeof(std::uint32_t)) {
            copyAsTwoWords<std::uint32_t>(target, source, length);
        } else if (length > 0) {
            // First, middle and last byte cover 1 to 3 bytes without a loop whose exit the
            // processor would mispredict (scores have one or two digits at random).
            target[0] = source[0];
            target[length / 2] = source[length / 2];
            target[length - 1] = source[length - 1];
        }
    }

} // namespace

QString boxName(DisplayField field)
{
    const std::string_view name = controlName(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

TextBoxDisplay::TextBoxDisplay(const QWidget& form)
{
    for (const auto field : allDisplayFields) {
        auto* box = form.findChild<QLineEdit*>(boxName(field));
        if (box == nullptr) {
            throw std::logic_error(
                "the window has no text box named " + std::string(controlName(field)));
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
