#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace gridwick {

// Where File > Print prints; null when no printer is set up.
using PrinterProvider = std::function<std::unique_ptr<QPrinter>()>;

// The system's default printer, or null when none is set up.
[[nodiscard]] std::unique_ptr<QPrinter> defaultPrinter();

// Prints the widget as it looks, sharp, on one page: on the desktop to the provider's printer
// (window_printer.cpp), in a page through the browser's print dialog (window_printer_web.cpp).
// Returns what went wrong, or nothing once the page is on its way.
[[nodiscard]] std::optional<QString> printWindow(QWidget& widget, const PrinterProvider& provider);

} // namespace gridwick
