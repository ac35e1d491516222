#pragma once

#include "platform/HelpViewer.h"

#include <QStringList>

// Keeps every request as a line, in order: "context N" or "finder".
class RecordingHelpViewer : public HelpViewer
{
public:
    Outcome<QString> showContext(int context) override
    {
        requests << QStringLiteral("context %1").arg(context);
        return {};
    }

    Outcome<QString> showFinder() override
    {
        requests << QStringLiteral("finder");
        return {};
    }

    QStringList requests;
};
