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

QString readFailure(const QFileInfo& info, QByteArray& bytes)
{
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // Asking for one byte past the limit tells a file that is too large without reading all of
    // it; asking for one byte past the listed size, a file that grew since it was listed.
    bytes = file.read(std::min(info.size(), HandInReader::MostBytes) + 1);
    return {};
}

struct FileRead
{
    std::optional<HandIn> handIn;
    QString failure;
};

FileRead fileRead(const QFileInfo& info)
{
    QByteArray bytes;
    if (QString failure = readFailure(info, bytes); !failure.isEmpty())
        return {std::nullopt, std::move(failure)};
    auto read = HandInReader::read(bytes);
    if (!read)
        return {std::nullopt, read.failure()};
    return {std::move(read.value()), {}};
}

// A folder opened for the first time holds tens of thousands of files; their opening, reading and
// parsing is spread over the processor's cores, each file on its own.
QList<FileRead> filesRead(const QFileInfoList& files)
{
    constexpr qsizetype FilesPerWorker = 256;
    QList<FileRead> reads(files.size());
    const qsizetype workers = std::clamp<qsizetype>(
        std::min<qsizetype>(std::thread::hardware_concurrency(), files.size() / FilesPerWorker), 1,
        8);
    const auto readShare = [&](qsizetype worker) {
        for (qsizetype index = worker; index < files.size(); index += workers)
            reads[index] = fileRead(files[index]);
    };
    std::vector<std::thread> threads;
    for (qsizetype worker = 1; worker < workers; ++worker)
        threads.emplace_back(readShare, worker);
    readShare(0);
    for (std::thread& thread : threads)
        thread.join();
    return reads;
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
    QFileInfoList changed;
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
        changed.append(file);
    }
    QList<FileRead> reads = filesRead(changed);
    for (qsizetype index = 0; index < changed.size(); ++index) {
        if (reads[index].handIn)
            scan.read.append({changed[index].fileName(), std::move(*reads[index].handIn)});
        else
            scan.malformed.append({changed[index].fileName(), reads[index].failure});
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
