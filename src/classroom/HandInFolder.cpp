#include "classroom/HandInFolder.h"

#include "classroom/HandInReader.h"

#include <QSet>

#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

namespace {

// What became of one listed file in a scan.
struct FileScan
{
    FileStamp stamp;
    bool changed = true;
    std::optional<HandInSummary> handIn;
    QString failure;
};

// A file read before is looked at without opening it, and read again only when it has changed.
FileScan scanned(const FolderFiles& folder, const QString& name,
                 const QHash<QString, FileStamp>& seen)
{
    FileScan file;
    if (const auto known = seen.constFind(name); known != seen.cend()) {
        const std::optional<FileStamp> stamp = folder.stamp(name);
        if (stamp == *known) {
            file.changed = false;
            return file;
        }
    }
    const auto contents = folder.read(name, HandInReader::MostBytes);
    if (!contents) {
        file.failure = contents.failure();
        return file;
    }
    file.stamp = contents->stamp;
    // Summed up here, on the worker: the question rows are most of a hand-in, and the board
    // keeps only their time-outs.
    const auto read = HandInReader::read(contents->bytes);
    if (read)
        file.handIn = HandInSummary::of(*read);
    else
        file.failure = read.failure();
    return file;
}

// A folder opened for the first time holds tens of thousands of files, and a share answers each
// look at a file only after a round trip: the files are spread over more workers than there are
// cores, so that looks wait on the share side by side rather than one after another.
QList<FileScan> scannedFiles(const FolderFiles& folder, const QStringList& names,
                             const QHash<QString, FileStamp>& seen)
{
    constexpr qsizetype FilesPerWorker = 256;
    constexpr qsizetype MostWorkers = 8;
    QList<FileScan> files(names.size());
    const qsizetype workers = std::clamp<qsizetype>(names.size() / FilesPerWorker, 1, MostWorkers);
    const auto scanShare = [&](qsizetype worker) {
        for (qsizetype index = worker; index < names.size(); index += workers)
            files[index] = scanned(folder, names[index], seen);
    };
    std::vector<std::thread> threads;
    for (qsizetype worker = 1; worker < workers; ++worker)
        threads.emplace_back(scanShare, worker);
    scanShare(0);
    for (std::thread& thread : threads)
        thread.join();
    return files;
}

// Hidden files are hand-ins still being written.
bool isHandInName(const QString& name)
{
    return name.endsWith(QStringLiteral(".csv")) && !name.startsWith(u'.');
}

} // namespace

HandInScan HandInFolder::scan()
{
    HandInScan scan;
    const FolderFiles folder(path);
    std::optional<QStringList> names = folder.names();
    if (!names) {
        scan.reachable = false;
        return scan;
    }
    names->removeIf([](const QString& name) { return !isHandInName(name); });
    QList<FileScan> files = scannedFiles(folder, *names, seen);
    const QSet<QString> present(names->cbegin(), names->cend());
    for (auto it = seen.begin(); it != seen.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        scan.gone.append(it.key());
        it = seen.erase(it);
    }
    scan.read.reserve(files.size());
    for (qsizetype index = 0; index < names->size(); ++index) {
        FileScan& file = files[index];
        if (!file.changed)
            continue;
        seen.insert(names->at(index), file.stamp);
        if (file.handIn)
            scan.read.append({names->at(index), std::move(*file.handIn)});
        else
            scan.malformed.append({names->at(index), file.failure});
    }
    return scan;
}
