#include "settings/StartOptions.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString DataOption = QStringLiteral("--data");
const QString PupilOption = QStringLiteral("--pupil");
const QString BoardOption = QStringLiteral("--board");

// The option's value, from "--name=value" or the next argument; nothing when the argument is
// not the option.
std::optional<QString> valueOf(const QString& option, const QStringList& arguments,
                               qsizetype& index, bool& missing)
{
    const QString& argument = arguments[index];
    if (argument.startsWith(option + u'='))
        return argument.mid(option.size() + 1);
    if (argument != option)
        return std::nullopt;
    if (index + 1 == arguments.size()) {
        missing = true;
        return QString();
    }
    return arguments[++index];
}

} // namespace

Fallible<StartOptions, QString> StartOptions::parse(const QStringList& arguments)
{
    using Result = Fallible<StartOptions, QString>;
    StartOptions options;
    bool fileNamed = false;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        bool missing = false;
        if (const auto folder = valueOf(DataOption, arguments, index, missing)) {
            if (missing || folder->isEmpty())
                return Result::failed(QStringLiteral("--data にはフォルダーを指定してください"));
            options.dataFolder = *folder;
        } else if (const auto pupil = valueOf(PupilOption, arguments, index, missing)) {
            const auto parsed = PupilText::parse(*pupil);
            if (!parsed)
                return Result::failed(QStringLiteral("--pupil: ") + parsed.failure());
            options.pupil = *parsed;
        } else if (const auto board = valueOf(BoardOption, arguments, index, missing)) {
            if (missing || board->isEmpty())
                return Result::failed(
                    QStringLiteral("--board には提出先のフォルダーを指定してください"));
            options.boardFolder = *board;
        } else if (!fileNamed) {
            options.fileToLoad = arguments[index];
            fileNamed = true;
        }
    }
    return options;
}

QString StartOptions::recordPath(const QString& usualRecordPath) const
{
    if (dataFolder.isEmpty())
        return usualRecordPath;
    return QDir(dataFolder).filePath(QFileInfo(usualRecordPath).fileName());
}

QString StartOptions::settingsFile() const
{
    return dataFolder.isEmpty() ? QString()
                                : QDir(dataFolder).filePath(QStringLiteral("Tazune.ini"));
}

QString StartOptions::speechCacheFolder(const QString& usualFolder) const
{
    return dataFolder.isEmpty() ? usualFolder
                                : QDir(dataFolder).filePath(QStringLiteral("cache/speech"));
}

QString StartOptions::waitingHandInFolder(const QString& usualRecordPath) const
{
    return QFileInfo(recordPath(usualRecordPath)).dir().filePath(QStringLiteral("hand-in"));
}
