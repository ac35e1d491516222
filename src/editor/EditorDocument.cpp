#include "editor/EditorDocument.h"

QuestionFile::ReadOutcome EditorDocument::load(const QString& path)
{
    rememberedPath = path;
    QuestionBank loaded;
    const QuestionFile::ReadOutcome outcome = QuestionFile::read(path, loaded);
    rows.replaceBank(std::move(loaded));
    lastLoadFailed = !outcome;
    return outcome;
}

bool EditorDocument::save() const
{
    return !lastLoadFailed && QuestionFile::write(rememberedPath, questions);
}
