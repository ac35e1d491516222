#include "questions/AtomicFile.h"

#include <QSaveFile>

namespace AtomicFile {

bool replace(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() flushes the device's buffer itself but renames the temporary file over the
    // target even when that flush fails (a full disk), so the flush is checked here first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace AtomicFile
