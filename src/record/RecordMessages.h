#pragma once

#include "record/LearningRecord.h"

// What the user is told about the learning record: the cause in the system's or the database's
// own words, the record's place and what happens now.
namespace RecordMessages {

QString unsaved(const QString& reason, const QString& path);
QString damaged(const QString& path, const RecordRescue& rescue);
// Asked when the program is to end while answers still wait: OK tries again, Cancel ends.
QString quitWhileWaiting(qsizetype answers);

} // namespace RecordMessages
