// The yardstick for the page's start-up: a bare Qt program for the web that builds the same
// widgets from the same layout, with nothing of Gridwick's own. The browser times its first
// frame (web_bench.py).
#include "ui_frmGridwick.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    Ui::frmGridwick ui;
    ui.setupUi(&window);
    window.show();
    return QApplication::exec();
}
