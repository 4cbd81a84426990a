#pragma once

#include <QWidget>

class QString;

namespace gridwick {

struct TallyCounters;

// What a command did, in one line for a screen reader: "Visitor 16, home 49, home wins, 1 pick".
[[nodiscard]] QString resultLine(const TallyCounters& counters);

// Tells assistive technology one line without moving the focus. Screen readers keep quiet
// about text changing in boxes that do not have the focus, but they speak a notification
// that becomes showing: so this widget has the notification role, sits outside the window's
// client area where nothing of it is drawn, and shows itself anew with each line.
class ResultNotice final : public QWidget {
    Q_OBJECT

public:
    explicit ResultNotice(QWidget* parent);

    void say(const QString& line);
};

} // namespace gridwick
