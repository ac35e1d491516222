#pragma once

#include <QFile>

// Damage past the file's first page, as a failing disk leaves it: the header and the list of
// tables still read, some pages of rows do not.
namespace RecordDamage {

inline bool overwritePages(const QString& path, int first, int last)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    // The page size sits big-endian at offset 16 of the header.
    const QByteArray header = file.read(18);
    const int pageSize = (static_cast<uchar>(header[16]) << 8) | static_cast<uchar>(header[17]);
    for (int page = first; page <= last; ++page) {
        if (!file.seek(qint64(page - 1) * pageSize) ||
            file.write(QByteArray(pageSize, '\xA5')) != pageSize)
            return false;
    }
    return file.flush();
}

} // namespace RecordDamage
