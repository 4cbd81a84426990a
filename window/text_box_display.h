#pragma once

#include "tally/pick_display.h"

#include <array>
#include <string>

class QLineEdit;
class QString;
class QWidget;

namespace gridwick {

// The object name of the text box that shows the field.
[[nodiscard]] QString boxName(DisplayField field);

// The window's nine text boxes, in display-field order.
using TextBoxes = std::array<QLineEdit*, displayFieldCount>;

// The text boxes among the window's children, found by their control names; null where one
// is missing, which TextBoxDisplay refuses.
[[nodiscard]] TextBoxes textBoxesIn(const QWidget& window);

// Shows the tally in the window's nine text boxes. Writes are kept and reach the boxes in one
// flush when the command that made them ends: a batch writes thousands of texts that nobody
// could see in between, and setting a QLineEdit's text costs far more than a pick.
class TextBoxDisplay final : public PickDisplay {
public:
    explicit TextBoxDisplay(const TextBoxes& boxes);

    void setText(DisplayField field, std::string_view text) override;

    // Puts every pending text into its box. Called before control returns to the event loop
    // and before any message box, so that the window always shows what the tally wrote.
    void flush();

private:
    struct Slot {
        QLineEdit* box = nullptr;
        std::string text; // the tally's texts fit the small-string buffer: no allocation
        bool pending = false;
    };

    std::array<Slot, displayFieldCount> slots_ {};
};

} // namespace gridwick
