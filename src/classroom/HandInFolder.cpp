#include "classroom/HandInFolder.h"

#include "classroom/HandInReader.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

QString readFailure(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // One byte past the limit tells a file that is too large without reading all of it.
    bytes = file.read(HandInReader::MostBytes + 1);
    return {};
}

} // namespace

HandInScan HandInFolder::scan()
{
    HandInScan scan;
    const QDir dir(path);
    if (!dir.exists()) {
        scan.reachable = false;
        return scan;
    }
    QSet<QString> present;
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.csv")},
                                                  QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        present.insert(name);
        const Seen now{file.size(), file.lastModified()};
        const auto known = seen.constFind(name);
        if (known != seen.cend() && known->size == now.size && known->modified == now.modified)
            continue;
        seen.insert(name, now);
        QByteArray bytes;
        if (const QString failure = readFailure(file.filePath(), bytes); !failure.isEmpty()) {
            scan.malformed.append({name, failure});
            continue;
        }
        auto read = HandInReader::read(bytes);
        if (read)
            scan.read.append({name, std::move(read.value())});
        else
            scan.malformed.append({name, read.failure()});
    }
    for (auto it = seen.begin(); it != seen.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        scan.gone.append(it.key());
        it = seen.erase(it);
    }
    return scan;
}
