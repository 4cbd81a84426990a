#pragma once

class QByteArray;
class QSize;
class QString;

// The page Gridwick runs in, as its script (packaging/web/page.js) offers it to the program:
// what lies around the window, which Qt's web platform leaves alone.
namespace gridwick::web_page {

// Sizes the element Qt draws in to the window's size, in CSS pixels.
void fitWindow(const QSize& size);
// Puts the line in the page's polite live region, for a screen reader to tell once.
void say(const QString& line);
// Whether leaving the page brings up the browser's leave-page question.
void askBeforeLeaving(bool ask);
// Takes the window away and says, in the words given, that the program has ended.
void showEnded(const QString& text);
// Puts the picture, drawn at `scale` times the window's size, in the page's print-only element
// and opens the browser's print dialog.
void print(const QByteArray& png, int scale);
// The language the page's address asks for (?lang=de), or an empty text.
[[nodiscard]] QString languageAsked();

} // namespace gridwick::web_page
