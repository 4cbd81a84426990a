#pragma once

#include <functional>

class QMainWindow;

namespace gridwick {

// Starts Gridwick: connects to the display, opens the window and runs until the user quits.
// Returns the process exit status. `onShown`, if given, is called once the window is shown
// (the start-up benchmark uses it to stop after the first paint).
int runGridwick(int argc, char** argv, const std::function<void(QMainWindow&)>& onShown = {});

} // namespace gridwick
