#include "readings/ReadingsCompanion.h"

#include "questions/LevelNames.h"
#include "questions/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <deque>

namespace ReadingsCompanion {

namespace {

const QString Header = QStringLiteral("レベル\t問題\t回答\tよみ\t別解\t要確認");
const QString CheckMark = QStringLiteral("✓");
constexpr qsizetype RequiredColumns = 4;
constexpr qsizetype ReadingColumn = 3;
constexpr qsizetype AlternativesColumn = 4;
constexpr qsizetype CheckColumn = 5;

CompanionProblem problemOf(CompanionProblem::Kind kind, qsizetype line, QString detail = {})
{
    CompanionProblem problem;
    problem.kind = kind;
    problem.line = line;
    problem.detail = std::move(detail);
    return problem;
}

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar character : text) {
        switch (character.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        default:
            out += character;
        }
    }
    return out;
}

// A backslash before anything else is a backslash, as a person typing the file would mean it.
QString unescaped(QStringView field)
{
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar next = i + 1 < field.size() ? field[i + 1] : QChar();
        if (field[i] != u'\\' || !QStringView(u"\\tnr").contains(next) || next.isNull()) {
            out += field[i];
            continue;
        }
        out += next == u't'   ? QChar(u'\t')
               : next == u'n' ? QChar(u'\n')
               : next == u'r' ? QChar(u'\r')
                              : QChar(u'\\');
        ++i;
    }
    return out;
}

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
            file.problems.append(problemOf(CompanionProblem::Kind::NotUtf8, number));
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
            file.problems.append(problemOf(CompanionProblem::Kind::TooFewColumns, number,
                                           QString::number(fields.size())));
            return std::nullopt;
        }
        const std::optional<int> level = levelNamed(fields[0].trimmed());
        if (!level) {
            file.problems.append(
                problemOf(CompanionProblem::Kind::UnknownLevel, number, fields[0]));
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
            file.problems.append(problemOf(CompanionProblem::Kind::BadReading, number));
            file.problems.last().fault = std::move(fault);
        }
        return row;
    }

    CompanionFile& file;
    QStringDecoder decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
};

QByteArray lineEndingOf(const CompanionFile& file)
{
    for (const CompanionLine& line : file.lines) {
        if (line.raw.endsWith("\r\n"))
            return "\r\n";
        if (line.raw.endsWith('\n'))
            return "\n";
    }
    return "\n";
}

QByteArray formattedRow(const QuestionBank& bank, PairPlace place, const PairReading& reading,
                        const QByteArray& lineEnding)
{
    const QuestionView pair = bank.view(place.level, place.position);
    const QStringList fields{LevelNames::name(place.level),
                             escaped(TextCodec::decode(pair.question)),
                             escaped(TextCodec::decode(pair.answer)),
                             escaped(reading.reading),
                             escaped(Alternatives::join(reading.alternatives)),
                             reading.needsCheck ? CheckMark : QString()};
    return fields.join(QLatin1Char('\t')).toUtf8() + lineEnding;
}

// Rows waiting for their pair, by level and the CP932 bytes of both texts.
class RowQueues
{
public:
    explicit RowQueues(const CompanionFile& file)
    {
        for (qsizetype line = 0; line < file.lines.size(); ++line) {
            const std::optional<CompanionRow>& row = file.lines[line].row;
            if (!row)
                continue;
            const std::optional<QByteArray> question = TextCodec::encode(row->question);
            const std::optional<QByteArray> answer = TextCodec::encode(row->answer);
            if (!question || !answer)
                continue;
            queues[keyOf(row->level, *question, *answer)].push_back(line);
            ++waiting;
        }
    }

    std::optional<qsizetype> take(int level, QuestionView pair)
    {
        if (waiting == 0)
            return std::nullopt;
        if (std::optional<qsizetype> line = takeKey(keyOf(level, pair.question, pair.answer)))
            return line;
        const QByteArray question = TextCodec::canonical(pair.question.toByteArray());
        const QByteArray answer = TextCodec::canonical(pair.answer.toByteArray());
        if (question == pair.question && answer == pair.answer)
            return std::nullopt;
        return takeKey(keyOf(level, question, answer));
    }

private:
    static QByteArray keyOf(int level, QByteArrayView question, QByteArrayView answer)
    {
        return QByteArray::number(level) + ':' + QByteArray::number(question.size()) + ':' +
               question.toByteArray() + answer.toByteArray();
    }

    std::optional<qsizetype> takeKey(const QByteArray& key)
    {
        const auto found = queues.find(key);
        if (found == queues.end() || found->empty())
            return std::nullopt;
        const qsizetype line = found->front();
        found->pop_front();
        --waiting;
        return line;
    }

    QHash<QByteArray, std::deque<qsizetype>> queues;
    qsizetype waiting = 0;
};

CompanionFile refused(CompanionProblem::Kind kind, const QString& detail)
{
    CompanionFile file;
    file.exists = true;
    file.refused = true;
    file.problems.append(problemOf(kind, 0, detail));
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
    if (bytes.count('\n') + 1 > limits.maxLines)
        return refused(CompanionProblem::Kind::TooManyLines, QString::number(limits.maxLines));
    CompanionFile file;
    file.exists = true;
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

Matched match(const CompanionFile& file, const QuestionBank& bank)
{
    Matched matched;
    matched.readings = ReadingsTable(bank);
    RowQueues rows(file);
    QList<bool> taken(file.lines.size(), false);
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < bank.Count(level); ++position) {
            const std::optional<qsizetype> line = rows.take(level, bank.view(level, position));
            if (!line)
                continue;
            matched.readings.attach(level, position, file.lines[*line].row->reading, *line);
            taken[*line] = true;
        }
    }
    for (qsizetype line = 0; line < file.lines.size(); ++line) {
        if (!file.lines[line].row || taken[line])
            continue;
        matched.orphans.append(problemOf(CompanionProblem::Kind::NoPair, line + 1));
        matched.orphans.last().row = file.lines[line].row;
    }
    return matched;
}

std::optional<QByteArray> write(const CompanionFile& source, const QuestionBank& bank,
                                const ReadingsTable& readings)
{
    if (source.refused || (!source.exists && !readings.hasReadings()))
        return std::nullopt;
    const QByteArray lineEnding = lineEndingOf(source);
    const QHash<qsizetype, PairPlace> linked = readings.linkedLines();
    QByteArray out;
    for (qsizetype line = 0; line < source.lines.size(); ++line) {
        const auto pair = linked.constFind(line);
        if (pair == linked.cend()) {
            if (!readings.isReleased(line))
                out += source.lines[line].raw;
            continue;
        }
        const ReadingSlot& slot = *readings.slot(pair->level, pair->position);
        if (!slot.edited)
            out += source.lines[line].raw;
        else if (!slot.reading.isEmpty())
            out += formattedRow(bank, *pair, slot.reading, lineEnding);
    }
    bool added = false;
    for (int level = 0; level < QuestionBank::LevelCount; ++level) {
        for (int position = 0; position < readings.count(level); ++position) {
            const ReadingSlot* slot = readings.slot(level, position);
            if (!slot || slot->sourceLine >= 0 || slot->reading.isEmpty())
                continue;
            if (!added && source.lines.isEmpty())
                out += Header.toUtf8() + lineEnding;
            else if (!added && !out.isEmpty() && !out.endsWith('\n'))
                out += lineEnding;
            added = true;
            out += formattedRow(bank, {level, position}, slot->reading, lineEnding);
        }
    }
    return out;
}

} // namespace ReadingsCompanion
