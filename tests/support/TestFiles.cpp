#include "TestFiles.h"

#include <QFile>

namespace TestFiles {

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray hex(const char* pairs)
{
    QByteArray digits(pairs);
    digits.replace(' ', "").replace('|', "");
    return QByteArray::fromHex(digits);
}

} // namespace TestFiles
