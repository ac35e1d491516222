#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

// Keeps every request as a line, in order: "context N" or "finder".
class RecordingHelpViewer : public HelpViewer
{
public:
    void showContext(int context) override
    {
        requests << QStringLiteral("context %1").arg(context);
    }

    void showFinder() override { requests << QStringLiteral("finder"); }

    QStringList requests;
};
