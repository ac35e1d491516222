// Opens the help once and ends the way the program ends: the viewer object goes, then the
// application. Arguments: the viewer program, the collection, the stand-in's record file. It
// returns once the viewer has read the request, so that the request is not lost on the way.

#include "platform/AssistantHelpViewer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    const QString recordPath = arguments.at(3);

    AssistantHelpViewer viewer(arguments.at(2), arguments.at(1));
    viewer.showContext(1);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&recordPath] {
        QFile record(recordPath);
        if (record.open(QIODevice::ReadOnly) && record.readAll().contains("\nline "))
            QCoreApplication::quit();
    });
    poll.start(10);
    return app.exec();
}
