#pragma once

#include "editor/QuestionTableModel.h"
#include "questions/QuestionBank.h"
#include "questions/QuestionFile.h"

#include <QString>

// What the question editor works on for the whole run: its own bank, shown level by level
// through the model, and the file it was loaded from and is saved back to.
class EditorDocument
{
public:
    QuestionTableModel& model() { return rows; }
    const QuestionBank& bank() const { return questions; }
    QString path() const { return rememberedPath; }

    // Remembers path, then replaces the bank with what the file holds; after a failure that is
    // nothing, or the items read before it.
    QuestionFile::ReadOutcome load(const QString& path);

    // Writes the bank over the remembered file. Refused after a failed load: the bank then holds
    // at most part of that file, and writing it would destroy the rest.
    bool save() const;

private:
    QuestionBank questions;
    QuestionTableModel rows{questions};
    QString rememberedPath;
    bool lastLoadFailed = false;
};
