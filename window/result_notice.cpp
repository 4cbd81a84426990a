#include "window/result_notice.h"

#include "tally/tally_counters.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace gridwick {

namespace {

    QString spoken(Outcome outcome)
    {
        switch (outcome) {
        case Outcome::VisitorWins:
            return QStringLiteral("visitor wins");
        case Outcome::HomeWins:
            return QStringLiteral("home wins");
        case Outcome::Tie:
            break;
        }
        return QStringLiteral("a tie");
    }

    // Qt's accessibility cache owns what a factory returns.
    QAccessibleInterface* noticeInterface(const QString& /*className*/, QObject* object)
    {
        auto* notice = qobject_cast<ResultNotice*>(object);
        return notice != nullptr ? new QAccessibleWidget(notice, QAccessible::Notification)
                                 : nullptr;
    }

} // namespace

QString resultLine(const TallyCounters& counters)
{
    const int picks = counters.intPicks;
    return QStringLiteral("Visitor %1, home %2, %3, %4 %5")
        .arg(counters.intVisitor)
        .arg(counters.intHome)
        .arg(spoken(latestOutcome(counters)))
        .arg(picks)
        .arg(picks == 1 ? QStringLiteral("pick") : QStringLiteral("picks"));
}

ResultNotice::ResultNotice(QWidget* parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&noticeInterface);
        return true;
    }();
    static_cast<void>(factoryInstalled);
    setObjectName(QStringLiteral("resultNotice"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(-1, -1, 1, 1); // above and left of the client area: never drawn
    hide();
}

void ResultNotice::say(const QString& line)
{
    hide();
    setAccessibleName(line);
    show();
}

} // namespace gridwick
