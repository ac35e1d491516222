#include "classroom/HandInFolder.h"

#include "classroom/HandInReader.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

namespace {

// What became of one listed file in a scan.
struct FileScan
{
    HandInFolder::Seen seen;
    bool changed = false;
    std::optional<HandIn> handIn;
    QString failure;
};

HandInFolder::Seen seenOf(const QFileInfo& info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

// A file not seen before is looked at only once it is open: a share answers every look by a
// file's path slowly, and the open file tells its size and time itself.
FileScan scanned(const QDir& dir, const QString& name,
                 const QHash<QString, HandInFolder::Seen>& seen)
{
    const QString path = dir.filePath(name);
    FileScan file{{}, true, {}, {}};
    if (const auto known = seen.constFind(name); known != seen.cend()) {
        file.seen = seenOf(QFileInfo(path));
        if (*known == file.seen) {
            file.changed = false;
            return file;
        }
    }
    QFile handle(path);
    if (!handle.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        file.failure = handle.errorString();
        return file;
    }
    file.seen = {handle.size(),
                 handle.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch()};
    // Asking for one byte past the limit tells a file that is too large without reading all of
    // it; asking for one byte past its size, a file that grows while it is read.
    const QByteArray bytes = handle.read(std::min(file.seen.size, HandInReader::MostBytes) + 1);
    auto read = HandInReader::read(bytes);
    if (read)
        file.handIn = std::move(read.value());
    else
        file.failure = read.failure();
    return file;
}

// A folder opened for the first time holds tens of thousands of files, and a share answers each
// look at a file slowly: the files are spread over the processor's cores, each on its own.
QList<FileScan> scannedFiles(const QDir& dir, const QStringList& names,
                             const QHash<QString, HandInFolder::Seen>& seen)
{
    constexpr qsizetype FilesPerWorker = 256;
    QList<FileScan> files(names.size());
    const qsizetype workers = std::clamp<qsizetype>(
        std::min<qsizetype>(std::thread::hardware_concurrency(), names.size() / FilesPerWorker), 1,
        8);
    const auto scanShare = [&](qsizetype worker) {
        for (qsizetype index = worker; index < names.size(); index += workers)
            files[index] = scanned(dir, names[index], seen);
    };
    std::vector<std::thread> threads;
    for (qsizetype worker = 1; worker < workers; ++worker)
        threads.emplace_back(scanShare, worker);
    scanShare(0);
    for (std::thread& thread : threads)
        thread.join();
    return files;
}

} // namespace

HandInScan HandInFolder::scan()
{
    HandInScan scan;
    const QDir dir(path);
    if (path.isEmpty() || !dir.exists()) {
        scan.reachable = false;
        return scan;
    }
    // Matched by hand: a wildcard filter is a regular expression run on every name.
    QStringList names = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.removeIf([](const QString& name) { return !name.endsWith(QStringLiteral(".csv")); });
    QList<FileScan> files = scannedFiles(dir, names, seen);
    const QSet<QString> present(names.cbegin(), names.cend());
    for (auto it = seen.begin(); it != seen.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        scan.gone.append(it.key());
        it = seen.erase(it);
    }
    scan.read.reserve(files.size());
    for (qsizetype index = 0; index < names.size(); ++index) {
        FileScan& file = files[index];
        if (!file.changed)
            continue;
        seen.insert(names[index], file.seen);
        if (file.handIn)
            scan.read.append({names[index], std::move(*file.handIn)});
        else
            scan.malformed.append({names[index], file.failure});
    }
    return scan;
}
