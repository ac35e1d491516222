#include "editor/EditorDocument.h"

#include "questions/AtomicFile.h"
#include "readings/CompanionMessages.h"

QuestionFile::ReadOutcome EditorDocument::load(const QString& path)
{
    rememberedPath = path;
    QuestionBank loaded;
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(path, loaded);
    lastLoadFailed = !outcome;
    companion = outcome ? ReadingsCompanion::read(path) : CompanionFile{};
    ReadingsCompanion::Matched matched = ReadingsCompanion::match(companion, loaded);
    rows.replaceBank(std::move(loaded), std::move(matched.readings));
    companionProblems = CompanionMessages::summary(ReadingsCompanion::companionPath(path),
                                                   companion.problems + matched.orphans);
    return outcome;
}

Outcome<QString> EditorDocument::save()
{
    if (lastLoadFailed)
        return QuestionFile::SaveFailedMessage;
    if (companion.refused)
        return saveKeepingCompanion();
    const std::optional<QByteArray> readingsFile =
        ReadingsCompanion::write(companion, questions, pairReadings);
    if (!readingsFile)
        return QuestionFile::write(rememberedPath, questions)
                   ? Outcome<QString>()
                   : Outcome<QString>(QuestionFile::SaveFailedMessage);
    const QByteArray questionFile = QuestionFile::encode(questions);
    if (!AtomicFile::replaceAll({{ReadingsCompanion::companionPath(rememberedPath), *readingsFile},
                                 {rememberedPath, questionFile}}))
        return QuestionFile::SaveFailedMessage;
    takeCompanion(
        ReadingsCompanion::parse(*readingsFile, ReadingsCompanion::limitsFor(questionFile.size())));
    return {};
}

// A companion that was not read stays as it is; the question file is saved all the same.
Outcome<QString> EditorDocument::saveKeepingCompanion()
{
    if (!QuestionFile::write(rememberedPath, questions))
        return QuestionFile::SaveFailedMessage;
    if (pairReadings.hasReadings())
        return CompanionMessages::keptUnchanged(ReadingsCompanion::companionPath(rememberedPath));
    return {};
}

// What was just written is what the next save compares with: its lines are now the unchanged
// ones. The readings are the same values, so the rows shown stay as they are.
void EditorDocument::takeCompanion(CompanionFile file)
{
    companion = std::move(file);
    pairReadings = ReadingsCompanion::match(companion, questions).readings;
}
