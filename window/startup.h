#pragma once

namespace gridwick {

// Starts Gridwick: connects to the display, opens the window and runs until the user quits.
// Returns the process exit status.
int runGridwick(int argc, char** argv);

} // namespace gridwick
