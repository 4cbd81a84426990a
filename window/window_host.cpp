#include "window/window_host.h"

#include "window/frm_gridwick.h"

#include <QCoreApplication>

#include <cstdlib>

namespace gridwick {

Qt::WindowFlags hostWindowFlags()
{
    return {};
}

void attachToHost(FrmGridwick& window)
{
    // Exit ends the program at once: exit() stops the event loop without closing the window,
    // whose close handler would ask the quit question a second time.
    QObject::connect(&window, &FrmGridwick::endProgramRequested, QCoreApplication::instance(),
        [] { QCoreApplication::exit(EXIT_SUCCESS); });
}

} // namespace gridwick
