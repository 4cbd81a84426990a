#pragma once

#include <QtGlobal>

class QString;
class QWidget;

namespace gridwick {

struct TallyCounters;

// What a command did, in one line for a screen reader: "Visitor 16, home 49, home wins, 1 pick".
[[nodiscard]] QString resultLine(const TallyCounters& counters);

// Tells assistive technology one line about a window without moving the focus. From Qt 6.8 on
// it is a polite announcement, which Qt hands to each platform's own call for it (AT-SPI's
// Announcement signal, UI Automation's notification event). Before, screen readers kept quiet
// about text changing in boxes without the focus but spoke a notification that became showing:
// so a widget with the notification role, outside the client area where nothing of it is
// drawn, shows itself anew with each line.
class ResultNotice final {
public:
    explicit ResultNotice(QWidget& window);

    void say(const QString& line);

private:
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QWidget& window_;
#else
    QWidget* notification_; // owned by the window
#endif
};

} // namespace gridwick
