#include "window/window_host.h"

#include "tally/tally_counters.h"
#include "window/frm_gridwick.h"
#include "window/message_boxes.h"
#include "window/web_page.h"

#include <QCoreApplication>
#include <QRect>

#include <cstdlib>

namespace gridwick {

Qt::WindowFlags hostWindowFlags()
{
    return Qt::FramelessWindowHint;
}

void attachToHost(FrmGridwick& window)
{
    // Qt fills the page's container with its screen, so the container takes the window's size.
    window.ensurePolished();
    const QRect place(QPoint(0, 0), window.sizeHint());
    window.setGeometry(place);
    web_page::fitWindow(place.size());
    // A pick is what leaving would lose; cleared or ended, there is nothing to lose.
    QObject::connect(&window, &FrmGridwick::tallyShown, &window,
        [&window] { web_page::askBeforeLeaving(window.counters().intPicks > 0); });
    QObject::connect(&window, &FrmGridwick::endProgramRequested, &window, [&window] {
        window.hide();
        web_page::askBeforeLeaving(false);
        web_page::showEnded(programEndedText());
        QCoreApplication::exit(EXIT_SUCCESS);
    });
}

} // namespace gridwick
