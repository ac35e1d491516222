#pragma once

#include "platform/FileDialog.h"

#include <QList>

// Answers each request, to open or to save, with the next scripted answer (nothing = Cancel) and
// keeps the requests of each kind. The filter chosen with a save answer is the next of
// filterAnswers, the first filter once none is left.
class FakeFileDialog : public FileDialog
{
public:
    std::optional<QString> getOpenFileName(const OpenFileRequest& request) override
    {
        requests << request;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    std::optional<ChosenFile> getSaveFileName(const SaveFileRequest& request) override
    {
        saveRequests << request;
        if (answers.isEmpty())
            return std::nullopt;
        const std::optional<QString> path = answers.takeFirst();
        const qsizetype filter = filterAnswers.isEmpty() ? 0 : filterAnswers.takeFirst();
        return path ? std::optional(ChosenFile{*path, filter}) : std::nullopt;
    }

    QList<std::optional<QString>> answers;
    QList<qsizetype> filterAnswers;
    QList<OpenFileRequest> requests;
    QList<SaveFileRequest> saveRequests;
};
