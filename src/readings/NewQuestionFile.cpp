#include "readings/NewQuestionFile.h"

#include "questions/AtomicFile.h"
#include "readings/CompanionFields.h"
#include "readings/ReadingsCompanion.h"

#include <QFileInfo>

namespace NewQuestionFile {

QuestionFile::WriteOutcome write(const QString& path, const QuestionBank& bank,
                                 const ReadingsTable& readings)
{
    const QString companionPath = ReadingsCompanion::companionPath(path);
    const std::optional<QByteArray> companion =
        ReadingsCompanion::write(CompanionFile(), bank, readings);
    if (!companion && !QFileInfo::exists(companionPath))
        return QuestionFile::write(path, bank);
    const QByteArray companionBytes =
        companion.value_or(CompanionFields::Header.toUtf8() + QByteArrayLiteral("\n"));
    if (const auto written = AtomicFile::replaceAll(
            {{companionPath, companionBytes}, {path, QuestionFile::encode(bank)}});
        !written)
        return written.failure().reason;
    return {};
}

} // namespace NewQuestionFile
