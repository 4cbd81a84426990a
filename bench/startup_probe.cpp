// Gridwick's own start-up, ended after the window's first paint.
#include "quit_after_first_paint.h"
#include "window/startup.h"

#include <QMainWindow>

int main(int argc, char** argv)
{
    return gridwick::runGridwick(argc, argv, [](QMainWindow& window) {
        window.centralWidget()->installEventFilter(new QuitAfterFirstPaint(&window));
    });
}
