#include "help/HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace HelpFile {

QString pathFor(const QString& executablePath)
{
    const qsizetype nameStart = executablePath.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = executablePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype baseEnd = dot >= nameStart ? dot : executablePath.size();
    return executablePath.left(baseEnd) + QStringLiteral(".qhc");
}

QString installedPathFor(const QString& executablePath)
{
    const QFileInfo beside(pathFor(executablePath));
    const QString prefix = QFileInfo(beside.path()).path();
    return QDir(prefix).filePath(QStringLiteral("share/tazune/") + beside.fileName());
}

QString collectionFor(const QString& executablePath)
{
    const QString beside = pathFor(executablePath);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = installedPathFor(executablePath);
    return QFileInfo(installed).isFile() ? installed : beside;
}

} // namespace HelpFile
