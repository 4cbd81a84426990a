#include "window/failure_report.h"

#include "runtime/error_report.h"
#include "runtime/runtime_error.h"

#include <QMessageBox>
#include <QString>

namespace gridwick {

void reportRuntimeError(QWidget* parent, const RuntimeError& error)
{
    reportFailure(parent, QString::fromStdString(errorReportText(error)));
}

void reportFailure(QWidget* parent, const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Gridwick"), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace gridwick
