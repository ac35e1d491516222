#include "platform/AssistantHelpViewer.h"

#include "help/HelpTopics.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>

#include <vector>

namespace {

// QProcess ends its child when it is destroyed, and the viewer has to stay open after the
// request that opened it. So the process object of a running viewer is parked here for the rest
// of the run and never destroyed; when the program ends, the viewer only sees its input close.
void keepRunning(std::unique_ptr<QProcess> viewer)
{
    static auto* const parked = new std::vector<std::unique_ptr<QProcess>>;
    parked->push_back(std::move(viewer));
}

} // namespace

AssistantHelpViewer::AssistantHelpViewer(const QString& collectionPath,
                                         const QString& viewerProgram)
    : collectionPath(collectionPath), viewerProgram(viewerProgram)
{}

AssistantHelpViewer::~AssistantHelpViewer()
{
    if (viewer && viewer->state() != QProcess::NotRunning)
        keepRunning(std::move(viewer));
}

Outcome<QString> AssistantHelpViewer::showContext(int context)
{
    if (const std::optional<QString> topic = HelpTopics::identifierFor(context))
        return send(QStringLiteral("activateIdentifier ") + *topic);
    return send(QStringLiteral("activateIdentifier %1;show contents;expandToc 1")
                    .arg(HelpTopics::ContentsIdentifier));
}

Outcome<QString> AssistantHelpViewer::showFinder()
{
    return send(QStringLiteral("show contents;expandToc 1;show index"));
}

QString AssistantHelpViewer::defaultProgram()
{
    return QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/assistant");
}

// Assistant takes a line of input only when more input arrives, so a second line sent together
// with the first would wait for the next request. Each request is therefore a single line, its
// commands separated by semicolons.
Outcome<QString> AssistantHelpViewer::send(const QString& commands)
{
    Outcome<QString> running = ensureRunning();
    if (running)
        viewer->write(commands.toUtf8() + '\n');
    return running;
}

Outcome<QString> AssistantHelpViewer::ensureRunning()
{
    if (viewer && viewer->state() != QProcess::NotRunning)
        return {};
    const QFileInfo program(viewerProgram);
    if (!program.isFile() || !program.isExecutable())
        return QStringLiteral("no help viewer at ") + viewerProgram;
    const QFileInfo collection(collectionPath);
    if (!collection.isFile())
        return QStringLiteral("no help collection at ") + collectionPath;
    viewer = std::make_unique<QProcess>();
    // Nobody reads the viewer's output. It goes nowhere, so that a full pipe can never stall the
    // viewer and its messages never mix with this program's.
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setStandardErrorFile(QProcess::nullDevice());
    viewer->start(viewerProgram, {QStringLiteral("-collectionFile"), collection.absoluteFilePath(),
                                  QStringLiteral("-enableRemoteControl")});
    if (viewer->state() == QProcess::NotRunning)
        return viewer->errorString();
    return {};
}
