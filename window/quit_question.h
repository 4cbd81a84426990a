#pragma once

class QWidget;

namespace gridwick {

// Asks "Do you really want to quit?" with Yes (the default) and No. True for Yes.
[[nodiscard]] bool askQuitQuestion(QWidget* parent);

} // namespace gridwick
