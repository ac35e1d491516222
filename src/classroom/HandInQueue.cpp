#include "classroom/HandInQueue.h"

#include "classroom/HandInFile.h"
#include "questions/AtomicFile.h"

#include <QDir>
#include <QFile>

namespace {

const QString FolderNote = QStringLiteral(".folder");

QString noteOf(const QString& path)
{
    return path + FolderNote;
}

std::optional<QByteArray> contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

HandInQueue::Delivery HandInQueue::handIn(const QString& handInFolder, const QString& name,
                                          const QByteArray& bytes)
{
    if (HandInFile::put(handInFolder, name, bytes))
        return Delivery::HandedIn;
    if (!QDir().mkpath(waitingFolder))
        return Delivery::Lost;
    const auto waitingPath = HandInFile::put(waitingFolder, name, bytes);
    if (!waitingPath)
        return Delivery::Lost;
    if (!AtomicFile::replace(noteOf(*waitingPath), handInFolder.toUtf8())) {
        QFile::remove(*waitingPath);
        return Delivery::Lost;
    }
    return Delivery::Waiting;
}

int HandInQueue::flush()
{
    const QDir dir(waitingFolder);
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(name);
        const std::optional<QByteArray> folder = contentOf(noteOf(path));
        const std::optional<QByteArray> bytes = contentOf(path);
        if (!folder || !bytes || !HandInFile::put(QString::fromUtf8(*folder), name, *bytes))
            continue;
        QFile::remove(path);
        QFile::remove(noteOf(path));
    }
    return waiting();
}

int HandInQueue::waiting() const
{
    return int(QDir(waitingFolder).entryList({QStringLiteral("*.csv")}, QDir::Files).size());
}
