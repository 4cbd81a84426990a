#include "window/failure_report.h"

#include <QMessageBox>
#include <QString>

namespace gridwick {

void reportFailure(QWidget* parent, const QString& message)
{
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Gridwick"), message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace gridwick
