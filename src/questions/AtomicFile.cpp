#include "questions/AtomicFile.h"

#include <QSaveFile>

#include <memory>
#include <vector>

namespace AtomicFile {

Outcome<QString> replace(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return QStringLiteral("no file name");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() flushes the device's buffer itself but renames the temporary file over the
    // target even when that flush fails (a full disk), so the flush is checked here first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

Outcome<ReplaceFailure> replaceAll(const QList<Replacement>& files)
{
    std::vector<std::unique_ptr<QSaveFile>> written;
    for (const Replacement& file : files) {
        if (file.path.isEmpty())
            return ReplaceFailure{file.path, QStringLiteral("no file name")};
        auto saved = std::make_unique<QSaveFile>(file.path);
        // As in replace, the flush is checked before anything is committed.
        if (!saved->open(QIODevice::WriteOnly) || saved->write(file.bytes) != file.bytes.size() ||
            !saved->flush())
            return ReplaceFailure{file.path, saved->errorString()};
        written.push_back(std::move(saved));
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (!written[i]->commit())
            return ReplaceFailure{files[qsizetype(i)].path, written[i]->errorString()};
    }
    return {};
}

} // namespace AtomicFile
