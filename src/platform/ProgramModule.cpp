#include "platform/ProgramModule.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramModule {

QString soundFileName()
{
    return QStringLiteral(TAZUNE_SOUND_MODULE);
}

QString resultsWindowFileName()
{
    return QStringLiteral(TAZUNE_RESULTS_WINDOW_MODULE);
}

QString pathFor(const QString& executablePath, const QString& fileName)
{
    const QFileInfo executable(executablePath);
    const QString beside = QDir(executable.path()).filePath(fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString prefix = QFileInfo(executable.path()).path();
    const QString installed =
        QDir(prefix).filePath(QStringLiteral(TAZUNE_MODULE_DIR "/") + fileName);
    return QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace ProgramModule
