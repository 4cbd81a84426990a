#include "window/message_boxes.h"

#include "runtime/runtime_error.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace gridwick {

bool askQuitQuestion(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("MessageBoxes", "QUIT?!"),
        QCoreApplication::translate("MessageBoxes", "Do you really want to quit? "),
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString runTimeErrorText(const RuntimeError& error)
{
    QString description;
    QString advice;
    switch (error.errorNumber()) {
    case ErrorNumber::Overflow:
        description = QCoreApplication::translate("MessageBoxes", "Overflow");
        advice = QCoreApplication::translate("MessageBoxes",
            "The tally cannot count any higher. Your tallies are unchanged; clear them (File > "
            "Clear) to make more picks.");
        break;
    case ErrorNumber::FloatingPoint:
        description = QCoreApplication::translate("MessageBoxes", "Invalid floating-point result");
        advice = QCoreApplication::translate("MessageBoxes",
            "The score could not be computed. Your tallies are unchanged; try the pick again.");
        break;
    }
    //: The first line of a report of a run-time error: its number, then what went wrong.
    return QCoreApplication::translate("MessageBoxes", "Run-time error %1: %2")
               .arg(error.number())
               .arg(description)
        + QStringLiteral("\n\n") + advice;
}

QString noDefaultPrinterText()
{
    return QCoreApplication::translate("MessageBoxes",
        "No default printer is set up.\n\nSet up a printer as the default, then choose File > "
        "Print again.");
}

QString printerNotOpenedText(const QString& printer)
{
    return QCoreApplication::translate("MessageBoxes", "The printer \"%1\" could not be opened.")
        .arg(printer);
}

QString pageNotSentText(const QString& printer)
{
    return QCoreApplication::translate(
        "MessageBoxes", "The page could not be sent to the printer \"%1\".")
        .arg(printer);
}

QString pictureNotDrawnText()
{
    return QCoreApplication::translate(
        "MessageBoxes", "The window could not be drawn for printing.");
}

QString programEndedText()
{
    return QCoreApplication::translate(
        "MessageBoxes", "Gridwick has ended. Reload the page to start it again.");
}

void reportFailure(QWidget* parent, const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Gridwick"), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace gridwick
