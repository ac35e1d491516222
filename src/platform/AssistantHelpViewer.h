#pragma once

#include "platform/HelpViewer.h"

#include <QString>

#include <memory>

class QProcess;

// The help viewer of Qt 6, Assistant, on the collection built from the manual. It is started on
// the first request and then driven through its remote control on its standard input; a viewer
// the user has closed is started again by the next request. It stays open when this object, or
// the whole program, ends.
class AssistantHelpViewer : public HelpViewer
{
public:
    explicit AssistantHelpViewer(const QString& collectionPath,
                                 const QString& viewerProgram = defaultProgram());
    ~AssistantHelpViewer() override;

    Outcome<QString> showContext(int context) override;
    Outcome<QString> showFinder() override;

    // Assistant from the binaries of the Qt this program runs on.
    static QString defaultProgram();

private:
    Outcome<QString> send(const QString& commands);
    Outcome<QString> ensureRunning();

    QString collectionPath;
    QString viewerProgram;
    std::unique_ptr<QProcess> viewer;
};
