#include "widgets/FirstExposure.h"

#include <QEvent>
#include <QWindow>

#include <utility>

FirstExposure::FirstExposure(QWindow* window, std::function<void()> action)
    : QObject(window), action(std::move(action))
{
    window->installEventFilter(this);
}

bool FirstExposure::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        deleteLater();
        action();
    }
    return false;
}
