#pragma once

#include <QProcess>
#include <QStringList>

#include <functional>

// tazune-data run as a user runs it, in the C locale unless told otherwise, each output kept.
struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    QStringList outLines() const { return QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts); }
    QStringList errLines() const { return QString::fromUtf8(err).split('\n', Qt::SkipEmptyParts); }
};

// A tool that does not end within a minute, or crashes, gives no exit code.
inline ToolRun runTool(const QStringList& arguments, const QString& language = QStringLiteral("C"),
                       const std::function<void()>& inChild = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(name);
    environment.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(environment);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(QStringLiteral(TAZUNE_DATA_TOOL), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
