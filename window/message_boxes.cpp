#include "window/message_boxes.h"

#include "runtime/error_report.h"
#include "runtime/runtime_error.h"

#include <QMessageBox>

namespace gridwick {

bool askQuitQuestion(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("QUIT?!"),
        QStringLiteral("Do you really want to quit? "), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString runTimeErrorText(const RuntimeError& error)
{
    QString advice;
    switch (error.errorNumber()) {
    case ErrorNumber::Overflow:
        advice = QStringLiteral("The tally cannot count any higher. Your tallies are unchanged; "
                                "clear them (File > Clear) to make more picks.");
        break;
    case ErrorNumber::FloatingPoint:
        advice = QStringLiteral(
            "The score could not be computed. Your tallies are unchanged; try the pick again.");
        break;
    }
    return QString::fromStdString(errorReportText(error)) + QStringLiteral("\n\n") + advice;
}

QString noDefaultPrinterText()
{
    return QStringLiteral(
        "No default printer is set up.\n\nSet up a printer as the default, then choose File > "
        "Print again.");
}

QString printerNotOpenedText(const QString& printer)
{
    return QStringLiteral("The printer \"%1\" could not be opened.").arg(printer);
}

QString pageNotSentText(const QString& printer)
{
    return QStringLiteral("The page could not be sent to the printer \"%1\".").arg(printer);
}

void reportFailure(QWidget* parent, const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Gridwick"), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace gridwick
