#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace AtomicFile {

// Replaces the file at path with bytes, or leaves the file that was there as it was: the bytes go
// to a temporary file that takes the file's place only once all of them are on disk. A failure
// carries the file system's reason.
Outcome<QString> replace(const QString& path, const QByteArray& bytes);

struct Replacement
{
    QString path;
    QByteArray bytes;
};

struct ReplaceFailure
{
    QString path;
    QString reason;

    friend bool operator==(const ReplaceFailure&, const ReplaceFailure&) = default;
};

// Several files that belong together: none takes its place before all of them are on disk. Only
// a failure of the final renames themselves can leave some replaced and others not.
Outcome<ReplaceFailure> replaceAll(const QList<Replacement>& files);

} // namespace AtomicFile
