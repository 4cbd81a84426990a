#pragma once

#include <QStringList>

#include <optional>

namespace gridwick {

// The program's own options are --help and --version; Qt's own options (-platform, -style,
// ...) are left to Qt.

// Answers --help or --version on stdout, which needs no display. Returns the exit status if
// it did, or nothing if the window is to open.
[[nodiscard]] std::optional<int> answerInformationOptions(int argc, char** argv);

// Once the application object has taken Qt's options out: refuses anything left over in one
// line on stderr. Returns the exit status if it did, or nothing if the arguments are fine.
[[nodiscard]] std::optional<int> refuseUnknownArguments(const QStringList& arguments);

} // namespace gridwick
