#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool makeEntries(const QString& root, const QStringList& entries)
{
    const QDir folder(root);
    for (const QString& entry : entries) {
        const QString path = folder.filePath(entry);
        if (entry.endsWith(u'/')) {
            if (!QDir().mkpath(path))
                return false;
            continue;
        }
        if (!QDir().mkpath(QFileInfo(path).path()) || !writeBytes(path, {}))
            return false;
    }
    return true;
}

QByteArray hex(const char* pairs)
{
    QByteArray digits(pairs);
    digits.replace(' ', "").replace('|', "");
    return QByteArray::fromHex(digits);
}

QList<CompanionRow> companionRows(const QString& path)
{
    const CompanionFile file = ReadingsCompanion::parse(readBytes(path), {1 << 20, 1 << 16});
    QList<CompanionRow> rows;
    for (const CompanionLine& line : file.lines) {
        if (line.row)
            rows.append(*line.row);
    }
    return rows;
}

} // namespace TestFiles
