#include "platform/WaveOutputModule.h"

#include <QDir>
#include <QFileInfo>

namespace WaveOutputModule {

QString pathFor(const QString& executablePath)
{
    const QString fileName = QStringLiteral(TAZUNE_WAVE_OUTPUT_MODULE);
    const QFileInfo executable(executablePath);
    const QString beside = QDir(executable.path()).filePath(fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString prefix = QFileInfo(executable.path()).path();
    const QString installed =
        QDir(prefix).filePath(QStringLiteral(TAZUNE_WAVE_OUTPUT_MODULE_DIR "/") + fileName);
    return QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace WaveOutputModule
