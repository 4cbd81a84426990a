#include "window/quit_question.h"

#include <QMessageBox>

namespace gridwick {

bool askQuitQuestion(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("QUIT?!"),
        QStringLiteral("Do you really want to quit? "), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace gridwick
