#include "window/window_printer.h"

#include "window/message_boxes.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace gridwick {

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

namespace {

    // The window's place on the page, in printer dots: its size on screen, shrunk if the page
    // is smaller.
    QRectF placeOnPage(const QWidget& widget, const QRectF& page, int printerDpi)
    {
        const double screenToPrinter = static_cast<double>(printerDpi) / widget.logicalDpiX();
        QSizeF size = QSizeF(widget.size()) * screenToPrinter;
        if (size.width() > page.width() || size.height() > page.height()) {
            size.scale(page.size(), Qt::KeepAspectRatio);
        }
        return { page.topLeft(), size };
    }

    // How the user knows the printer: by its name, or by the file it prints to.
    QString printerLabel(const QPrinter& printer)
    {
        return printer.outputFileName().isEmpty() ? printer.printerName()
                                                  : printer.outputFileName();
    }

    // The widget at its size on screen, on one page.
    std::optional<QString> printPicture(QWidget& widget, QPrinter& printer)
    {
        printer.setDocName(QStringLiteral("Gridwick"));
        QPainter painter;
        if (!painter.begin(&printer)) {
            return printerNotOpenedText(printerLabel(printer));
        }
        // The widget draws itself at the printer's resolution, scaled from screen dots to printer
        // dots, rather than as a screen-resolution picture blown up to size.
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        const QRectF place
            = placeOnPage(widget, page.translated(-page.topLeft()), printer.resolution());
        painter.translate(place.topLeft());
        painter.scale(place.width() / widget.width(), place.height() / widget.height());
        widget.render(&painter);
        if (!painter.end() || printer.printerState() == QPrinter::Error) {
            return pageNotSentText(printerLabel(printer));
        }
        return std::nullopt;
    }

} // namespace

std::optional<QString> printWindow(QWidget& widget, const PrinterProvider& provider)
{
    const std::unique_ptr<QPrinter> printer = provider();
    if (!printer) {
        return noDefaultPrinterText();
    }
    return printPicture(widget, *printer);
}

} // namespace gridwick
