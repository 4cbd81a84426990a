#pragma once

#include <QString>

class QWidget;

namespace gridwick {

class RuntimeError;

// Asks "Do you really want to quit?" with Yes (the default) and No. True for Yes.
[[nodiscard]] bool askQuitQuestion(QWidget* parent);

// What a command that failed tells the user: what went wrong, then what to do.
[[nodiscard]] QString runTimeErrorText(const RuntimeError& error);
[[nodiscard]] QString noDefaultPrinterText();
[[nodiscard]] QString printerNotOpenedText(const QString& printer);
[[nodiscard]] QString pageNotSentText(const QString& printer);
[[nodiscard]] QString pictureNotDrawnText();
// In a page: the program has ended, and what starts it again.
[[nodiscard]] QString programEndedText();

// A modal report of a command that failed. The program keeps running afterwards.
void reportFailure(QWidget* parent, const QString& message);

} // namespace gridwick
