#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>

namespace AtomicFile {

// Replaces the file at path with bytes, or leaves the file that was there as it was: the bytes go
// to a temporary file that takes the file's place only once all of them are on disk. A failure
// carries the file system's reason.
Outcome<QString> replace(const QString& path, const QByteArray& bytes);

} // namespace AtomicFile
