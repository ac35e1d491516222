#pragma once

#include "platform/FileDialog.h"

#include <QList>

// Answers each request with the next scripted answer (nothing = Cancel) and keeps the requests.
class FakeFileDialog : public FileDialog
{
public:
    std::optional<QString> getOpenFileName(const OpenFileRequest& request) override
    {
        requests << request;
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    }

    QList<std::optional<QString>> answers;
    QList<OpenFileRequest> requests;
};
