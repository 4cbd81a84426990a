#pragma once

#include <QAccessible>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gridwick::testing {

// What the window told a screen reader, line by line: each announcement (Qt 6.8 on) and each
// notification that became showing (before), so that a line given both ways counts twice.
class SpokenLines final {
public:
    SpokenLines()
    {
        current() = this;
        QAccessible::installUpdateHandler(&record);
        platformAccessibility().setActive(true); // as when a screen reader listens
    }
    ~SpokenLines()
    {
        platformAccessibility().setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        current() = nullptr;
    }
    SpokenLines(const SpokenLines&) = delete;
    SpokenLines& operator=(const SpokenLines&) = delete;

    [[nodiscard]] const std::vector<std::string>& lines() const { return lines_; }

private:
    // Qt tells the platform nothing, and calls no update handler, while it is inactive.
    static QPlatformAccessibility& platformAccessibility()
    {
        return *QGuiApplicationPrivate::platformIntegration()->accessibility();
    }

    static SpokenLines*& current()
    {
        static SpokenLines* recorder = nullptr;
        return recorder;
    }

    static void record(QAccessibleEvent* event)
    {
        std::vector<std::string>& lines = current()->lines_;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement) {
            const auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
            EXPECT_EQ(announcement->politeness(), QAccessible::AnnouncementPoliteness::Polite);
            lines.push_back(announcement->message().toStdString());
            return;
        }
#endif
        QAccessibleInterface* accessible = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && accessible != nullptr
            && accessible->role() == QAccessible::Notification) {
            lines.push_back(accessible->text(QAccessible::Name).toStdString());
        }
    }

    std::vector<std::string> lines_;
};

} // namespace gridwick::testing
