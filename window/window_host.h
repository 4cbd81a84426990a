#pragma once

#include <Qt>

namespace gridwick {

class FrmGridwick;

// The window's flags where it runs: on the desktop the window system frames it; in a page the
// page is its frame and the tab shows its title, so Qt draws no frame of its own.
[[nodiscard]] Qt::WindowFlags hostWindowFlags();

// Binds the window to what hosts it, before it is shown: how a run ends once the user has said
// Yes to File > Exit's quit question, and what else the host asks of the window.
// On the desktop (window_host.cpp) the event loop stops; the close button asks in the window's
// close handler. In a page (window_host_web.cpp) the page is sized to the window, the window goes
// away at the end and the page says that the program has ended; closing or reloading the tab
// after a pick brings up the browser's own leave-page question, the one way a page has to ask
// before it is closed.
void attachToHost(FrmGridwick& window);

} // namespace gridwick
