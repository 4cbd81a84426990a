#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Ends the event loop once the watched widget has painted for the first time.
class QuitAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};
