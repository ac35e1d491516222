#pragma once

#include "platform/FileDialog.h"

#include <QList>

// Answers each request with the next scripted answer (nothing = Cancel) and keeps the requests.
// The filter chosen with an answer is the next of filterAnswers, the first filter once none is
// left.
class FakeFileDialog : public FileDialog
{
public:
    std::optional<QString> getOpenFileName(const OpenFileRequest& request) override
    {
        const std::optional<ChosenFile> chosen = getFileAndFilter(request);
        return chosen ? std::optional(chosen->path) : std::nullopt;
    }

    std::optional<ChosenFile> getFileAndFilter(const OpenFileRequest& request) override
    {
        requests << request;
        if (answers.isEmpty())
            return std::nullopt;
        const std::optional<QString> path = answers.takeFirst();
        const qsizetype filter = filterAnswers.isEmpty() ? 0 : filterAnswers.takeFirst();
        return path ? std::optional(ChosenFile{*path, filter}) : std::nullopt;
    }

    QList<std::optional<QString>> answers;
    QList<qsizetype> filterAnswers;
    QList<OpenFileRequest> requests;
};
