#pragma once

#include "readings/ReadingsCompanion.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TestFiles {

// Writes bytes to path, creating or replacing the file; fails the calling test when it cannot.
bool writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// Makes each entry below root: a folder where it ends in '/', otherwise an empty file, with the
// folders it lies in. False when one cannot be made.
bool makeEntries(const QString& root, const QStringList& entries);

// The rows of the readings file at path, in file order; none when there is no file.
QList<CompanionRow> companionRows(const QString& path);

// Bytes spelled as hex pairs with optional spaces and bars: "33 2E | 03 00".
QByteArray hex(const char* pairs);

} // namespace TestFiles
