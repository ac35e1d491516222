#pragma once

#include <QObject>

#include <functional>

class QWindow;

// Runs an action once, when the window is first on the screen. The object belongs to the window
// and removes itself once it has run.
class FirstExposure : public QObject
{
public:
    FirstExposure(QWindow* window, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> action;
};
