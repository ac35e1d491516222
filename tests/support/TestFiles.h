#pragma once

#include <QByteArray>
#include <QString>

namespace TestFiles {

// Writes bytes to path, creating or replacing the file; fails the calling test when it cannot.
bool writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// Bytes spelled as hex pairs with optional spaces and bars: "33 2E | 03 00".
QByteArray hex(const char* pairs);

} // namespace TestFiles
