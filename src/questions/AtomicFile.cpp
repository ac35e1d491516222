#include "questions/AtomicFile.h"

#include <QSaveFile>

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

} // namespace AtomicFile
