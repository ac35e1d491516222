#pragma once

#include "media/WaveDecoder.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <memory>

// Decoded sounds of the files named by the last keep(), held in memory so that opening one of
// them costs only a look at its file's size and time. A file that changed on disk since it was
// read is read again.
class WaveCache
{
public:
    using Sound = std::shared_ptr<const WaveSound>;

    // The sound, never null, or why the file cannot be played.
    using Result = Fallible<Sound, QString>;

    // Holds exactly these files from now on, reading those not held yet; a file that cannot be
    // read is left out, and fails again when it is fetched.
    void keep(const QStringList& paths);

    // The sound of path: the held one while its file is unchanged, otherwise read from disk.
    Result fetch(const QString& path);

private:
    struct Entry
    {
        qint64 size = 0;
        QDateTime modified;
        Sound sound;
    };

    QStringList kept;
    QHash<QString, Entry> entries;
};
