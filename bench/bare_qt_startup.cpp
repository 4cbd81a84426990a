// The yardstick for start-up: a bare Qt program that builds the same widgets from the same
// layout and ends after its first paint, with nothing of Gridwick's own.
#include "quit_after_first_paint.h"
#include "ui_frmGridwick.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    Ui::frmGridwick ui;
    ui.setupUi(&window);
    window.centralWidget()->installEventFilter(new QuitAfterFirstPaint(&window));
    window.show();
    return QApplication::exec();
}
