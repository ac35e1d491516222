#include "readings/ReadingsCompanion.h"

#include "questions/LevelNames.h"
#include "readings/CompanionFields.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace ReadingsCompanion {

namespace {

using namespace CompanionFields;

std::optional<int> levelNamed(const QString& name)
{
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        if (LevelNames::name(level) == name)
            return level;
    }
    return std::nullopt;
}

QByteArrayView withoutLineEnding(QByteArrayView raw)
{
    if (raw.endsWith('\n'))
        raw.chop(1);
    if (raw.endsWith('\r'))
        raw.chop(1);
    return raw;
}

class LineReader
{
public:
    explicit LineReader(CompanionFile& file) : file(file) {}

    void read(QByteArrayView raw)
    {
        file.lines.append({raw.toByteArray(), {}});
        const qsizetype number = file.lines.size();
        QByteArrayView content = withoutLineEnding(raw);
        decoder.resetState();
        QString text = decoder.decode(content);
        if (decoder.hasError()) {
            file.problems.append(CompanionProblem::at(CompanionProblem::Kind::NotUtf8, number));
            return;
        }
        if (number == 1 || text.isEmpty())
            return;
        file.lines.last().row = rowOf(text, number);
    }

private:
    std::optional<CompanionRow> rowOf(const QString& text, qsizetype number)
    {
        const QStringList fields = text.split(QLatin1Char('\t'));
        if (fields.size() < RequiredColumns) {
            file.problems.append(CompanionProblem::at(CompanionProblem::Kind::TooFewColumns, number,
                                                      QString::number(fields.size())));
            return std::nullopt;
        }
        const std::optional<int> level = levelNamed(fields[0].trimmed());
        if (!level) {
            file.problems.append(
                CompanionProblem::at(CompanionProblem::Kind::UnknownLevel, number, fields[0]));
            return std::nullopt;
        }
        CompanionRow row;
        row.level = *level;
        row.question = unescaped(fields[1]);
        row.answer = unescaped(fields[2]);
        row.reading.reading = unescaped(fields[ReadingColumn]).trimmed();
        if (fields.size() > AlternativesColumn)
            row.reading.alternatives = Alternatives::split(unescaped(fields[AlternativesColumn]));
        row.reading.needsCheck =
            fields.size() > CheckColumn && !fields[CheckColumn].trimmed().isEmpty();
        if (std::optional<ReadingFault> fault = ReadingCheck::faultOf(row.reading)) {
            file.problems.append(CompanionProblem::at(CompanionProblem::Kind::BadReading, number));
            file.problems.last().fault = std::move(fault);
        }
        return row;
    }

    CompanionFile& file;
    QStringDecoder decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};

CompanionFile refused(CompanionProblem::Kind kind, const QString& detail)
{
    CompanionFile file;
    file.exists = true;
    file.refused = true;
    file.problems.append(CompanionProblem::at(kind, 0, detail));
    return file;
}

} // namespace

QString companionPath(const QString& questionFile)
{
    return questionFile + QStringLiteral(".yomi.tsv");
}

CompanionLimits limitsFor(qint64 questionFileSize)
{
    return {std::max(MinimumMaxBytes, BytesPerQuestionFileByte * questionFileSize),
            qsizetype(std::max<qint64>(MinimumMaxLines, questionFileSize / 4))};
}

CompanionFile parse(QByteArrayView bytes, const CompanionLimits& limits)
{
    if (bytes.size() > limits.maxBytes)
        return refused(CompanionProblem::Kind::TooLarge, QString::number(limits.maxBytes));
    const qsizetype lines = bytes.count('\n') + 1;
    if (lines > limits.maxLines)
        return refused(CompanionProblem::Kind::TooManyLines, QString::number(limits.maxLines));
    CompanionFile file;
    file.exists = true;
    file.lines.reserve(lines);
    LineReader reader(file);
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        reader.read(bytes.sliced(start, next - start));
        start = next;
    }
    return file;
}

CompanionFile read(const QString& questionFile)
{
    const QString path = companionPath(questionFile);
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(CompanionProblem::Kind::CannotOpen, file.errorString());
    const CompanionLimits limits = limitsFor(QFileInfo(questionFile).size());
    // Refused before a byte of it is read.
    if (file.size() > limits.maxBytes)
        return refused(CompanionProblem::Kind::TooLarge, QString::number(limits.maxBytes));
    return parse(file.readAll(), limits);
}

} // namespace ReadingsCompanion
