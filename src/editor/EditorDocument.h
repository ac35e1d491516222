#pragma once

#include "editor/QuestionTableModel.h"
#include "platform/Outcome.h"
#include "questions/QuestionBank.h"
#include "questions/QuestionFile.h"
#include "readings/ReadingsCompanion.h"

#include <QString>

// What the question editor works on for the whole run: its own bank with the pairs' readings,
// shown level by level through the model, and the file it was loaded from and is saved back to
// with its companion of readings beside it.
class EditorDocument
{
public:
    QuestionTableModel& model() { return rows; }
    const QuestionBank& bank() const { return questions; }
    const ReadingsTable& readings() const { return pairReadings; }
    QString path() const { return rememberedPath; }

    // Remembers path, then replaces the bank with what the file holds; after a failure that is
    // nothing, or the items read before it. After a load that worked, the readings come from the
    // companion file, if there is one.
    QuestionFile::ReadOutcome load(const QString& path);
    // What could not be read of the companion at the last load, as one message; empty when all
    // of it was read.
    QString companionReport() const { return companionProblems; }

    // Writes the companion, when there is one or readings were given, and the bank over the
    // remembered file, in that order and neither before both are on disk. Refused after a failed
    // load: the bank then holds at most part of that file, and writing it would destroy the
    // rest. A failure carries the message to show.
    Outcome<QString> save();

private:
    Outcome<QString> saveKeepingCompanion();
    void takeCompanion(CompanionFile file);

    QuestionBank questions;
    ReadingsTable pairReadings;
    QuestionTableModel rows{questions, pairReadings};
    QString rememberedPath;
    CompanionFile companion;
    QString companionProblems;
    bool lastLoadFailed = false;
};
