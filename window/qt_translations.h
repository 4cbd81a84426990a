#pragma once

class QCoreApplication;

namespace gridwick {

// Loads Qt's own translations for the user's languages, so that the standard buttons (Yes,
// No, OK) and Qt's other standard texts read in the desktop's language. The program's own
// texts stay as they are. Without a translation for the language, nothing changes.
void installQtTranslations(QCoreApplication& application);

} // namespace gridwick
