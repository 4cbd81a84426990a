#include "window/window_printer.h"

#include "window/message_boxes.h"
#include "window/web_page.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace gridwick {

namespace {

    // A page cannot print without the browser's dialog, and the printer is chosen there. The
    // picture is drawn at four times the window's size: as sharp on paper as the desktop's.
    constexpr int printScale = 4;

} // namespace

std::unique_ptr<QPrinter> defaultPrinter()
{
    return nullptr;
}

std::optional<QString> printWindow(QWidget& widget, const PrinterProvider& /*provider*/)
{
    QImage picture(widget.size() * printScale, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        // The widget draws itself at the larger size, rather than as a screen picture blown up.
        QPainter painter(&picture);
        painter.scale(printScale, printScale);
        widget.render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) {
        return pictureNotDrawnText();
    }
    web_page::print(png, printScale);
    return std::nullopt;
}

} // namespace gridwick
