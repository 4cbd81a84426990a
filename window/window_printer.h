#pragma once

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace gridwick {

// The system's default printer, or null when none is set up.
[[nodiscard]] std::unique_ptr<QPrinter> defaultPrinter();

// Prints the widget as it looks, at its size on screen, on one page. Returns what went
// wrong, or nothing once the page has been handed to the printer.
[[nodiscard]] std::optional<QString> printPicture(QWidget& widget, QPrinter& printer);

} // namespace gridwick
