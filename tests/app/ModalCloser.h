#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Closes every modal window that opens while it lives and records their captions, so a test
// runs through a handler that shows a dialog without waiting for a person.
class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                captions << modal->windowTitle();
                modal->close();
            }
        });
        timer.start(5);
    }

    QStringList captions;

private:
    QTimer timer;
};
