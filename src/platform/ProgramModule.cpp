#include "platform/ProgramModule.h"

#include "ProductInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace ProgramModule {

QString pathFor(const QString& executablePath, const QString& fileName)
{
    const QFileInfo executable(executablePath);
    const QString beside = QDir(executable.path()).filePath(fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString prefix = QFileInfo(executable.path()).path();
    const QString installed = QDir(prefix).filePath(ProductInfo::ModuleDir + u'/' + fileName);
    return QFileInfo(installed).isFile() ? installed : beside;
}

QObject* loadEntry(const QString& path, QString& error)
{
    // The entry and the windows or outputs it made outlive this loader: only unload() would
    // unload the module.
    QPluginLoader loader(path);
    QObject* entry = loader.instance();
    if (!entry)
        error = path + QStringLiteral(": ") + loader.errorString();
    return entry;
}

} // namespace ProgramModule
