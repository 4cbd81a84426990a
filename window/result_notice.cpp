#include "window/result_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace gridwick {

// From Qt 6.8 on the line is a polite announcement, which Qt hands to each platform's own call
// for it (AT-SPI's Announcement signal, UI Automation's notification event). Before, screen
// readers kept quiet about text changing in boxes without the focus but spoke a notification
// that became showing: so a widget with the notification role, outside the client area where
// nothing of it is drawn, shows itself anew with each line.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

struct NoticeChannel {
    QWidget& window;
};

ResultNotice::ResultNotice(QWidget& window)
    : channel_(std::make_unique<NoticeChannel>(NoticeChannel { window }))
{
}

void ResultNotice::say(const QString& line)
{
    QAccessibleAnnouncementEvent announcement(&channel_->window, line);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

namespace {

    const QLatin1String noticeName("resultNotice");

    // Qt's accessibility cache owns what a factory returns.
    QAccessibleInterface* noticeInterface(const QString& /*className*/, QObject* object)
    {
        return object->isWidgetType() && object->objectName() == noticeName
            ? new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification)
            : nullptr;
    }

} // namespace

struct NoticeChannel {
    QWidget* notification; // owned by the window
};

ResultNotice::ResultNotice(QWidget& window)
    : channel_(std::make_unique<NoticeChannel>(NoticeChannel { new QWidget(&window) }))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&noticeInterface);
        return true;
    }();
    static_cast<void>(factoryInstalled);
    QWidget* notification = channel_->notification;
    notification->setObjectName(noticeName);
    notification->setFocusPolicy(Qt::NoFocus);
    notification->setGeometry(-1, -1, 1, 1); // above and left of the client area: never drawn
    notification->hide();
}

void ResultNotice::say(const QString& line)
{
    channel_->notification->hide();
    channel_->notification->setAccessibleName(line);
    channel_->notification->show();
}

#endif

ResultNotice::~ResultNotice() = default;

} // namespace gridwick
