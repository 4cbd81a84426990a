#pragma once

#include "tally/pick_display.h"

#include <array>
#include <cstdint>
#include <string>

class QLineEdit;
class QString;
class QWidget;

namespace gridwick {

// The object name of the text box that shows the field.
[[nodiscard]] QString boxName(DisplayField field);

// Shows the tally in the window's nine text boxes. Writes land in cheap slots and reach the
// boxes in one flush when the command that made them ends: a batch writes thousands of texts
// that nobody could see in between, and setting a QLineEdit's text costs far more than a pick.
class TextBoxDisplay final : public PickDisplay {
public:
    // Finds each field's box among the children of `form` by its control name.
    explicit TextBoxDisplay(const QWidget& form);

    void setText(DisplayField field, std::string_view text) override;

    // Puts every pending text into its box. Called before control returns to the event loop
    // and before any message box, so that the window always shows what the tally wrote.
    void flush();

private:
    // The tally's texts are at most eight characters; they are kept inline, which costs a
    // fraction of a std::string assignment. Longer texts, should any come, go to `longText`.
    struct Slot {
        QLineEdit* box = nullptr;
        std::array<char, 16> shortText {};
        std::uint8_t shortLength = 0;
        bool isLong = false;
        bool pending = false;
        std::string longText;

        [[nodiscard]] std::string_view text() const noexcept
        {
            return isLong ? std::string_view(longText)
                          : std::string_view(shortText.data(), shortLength);
        }
    };
    [[gnu::noinline, gnu::cold]] static void storeLongText(Slot& slot, std::string_view text);

    std::array<Slot, displayFieldCount> slots_ {};
};

} // namespace gridwick
