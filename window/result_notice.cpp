#include "window/result_notice.h"

#include "tally/tally_counters.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QString>
#include <QWidget>

namespace gridwick {

namespace {

    QString spoken(Outcome outcome)
    {
        switch (outcome) {
        case Outcome::VisitorWins:
            return QCoreApplication::translate("ResultNotice", "visitor wins");
        case Outcome::HomeWins:
            return QCoreApplication::translate("ResultNotice", "home wins");
        case Outcome::Tie:
            break;
        }
        return QCoreApplication::translate("ResultNotice", "a tie");
    }

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    const QLatin1String noticeName("resultNotice");

    // Qt's accessibility cache owns what a factory returns.
    QAccessibleInterface* noticeInterface(const QString& /*className*/, QObject* object)
    {
        return object->isWidgetType() && object->objectName() == noticeName
            ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification)
            : nullptr;
    }
#endif

} // namespace

QString resultLine(const TallyCounters& counters)
{
    //: Told to a screen reader after each pick or batch: the two scores, who won and how many
    //: picks have been made, as in "Visitor 16, home 49, home wins, 1 pick".
    return QCoreApplication::translate(
        "ResultNotice", "Visitor %1, home %2, %3, %n pick(s)", nullptr, counters.intPicks)
        .arg(counters.intVisitor)
        .arg(counters.intHome)
        .arg(spoken(latestOutcome(counters)));
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

ResultNotice::ResultNotice(QWidget& window)
    : window_(window)
{
}

void ResultNotice::say(const QString& line)
{
    QAccessibleAnnouncementEvent announcement(&window_, line);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

ResultNotice::ResultNotice(QWidget& window)
    : notification_(new QWidget(&window))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&noticeInterface);
        return true;
    }();
    static_cast<void>(factoryInstalled);
    notification_->setObjectName(noticeName);
    notification_->setFocusPolicy(Qt::NoFocus);
    notification_->setGeometry(-1, -1, 1, 1); // above and left of the client area: never drawn
    notification_->hide();
}

void ResultNotice::say(const QString& line)
{
    notification_->hide();
    notification_->setAccessibleName(line);
    notification_->show();
}

#endif

} // namespace gridwick
