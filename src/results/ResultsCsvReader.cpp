#include "results/ResultsCsvReader.h"

#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"
#include "results/CsvText.h"
#include "results/ResultsCsv.h"

#include <limits>

namespace ResultsCsvReader {

namespace {

enum Column
{
    Learner,
    File,
    Level,
    StartedAt,
    FinishedAt,
    Review,
    Seconds,
    Questions,
    Corrects,
    CorrectTime,
    AnswerTime,
    StandardTime,
    AverageCorrectTime,
    AverageInputTime,
    CorrectRate,
    TimeOuts
};

// The fields of one line, each read into its value; the first that fails is kept.
class LineReader
{
public:
    explicit LineReader(const CsvText::Record& record) : record(record) {}

    const std::optional<ResultsCsvError>& error() const { return failure; }

    QString text(Column column) const { return record.fields[column]; }

    qint32 integer(Column column)
    {
        bool ok = false;
        const qint32 value = text(column).toInt(&ok);
        if (!ok)
            fail(ResultsCsvError::Kind::BadNumber, column);
        return value;
    }

    // Seconds with at most one decimal, as ticks of 100 ms.
    qint32 ticks(Column column)
    {
        const std::optional<qint64> value = ResultsCsv::ticksOf(record.fields[column]);
        if (!value || *value < std::numeric_limits<qint32>::min() ||
            *value > std::numeric_limits<qint32>::max()) {
            fail(ResultsCsvError::Kind::BadNumber, column);
            return 0;
        }
        return qint32(*value);
    }

    // A figure is empty where the report could not compute it.
    QString figure(Column column, bool whole)
    {
        const QString value = text(column);
        bool ok = value.isEmpty();
        if (!ok && whole)
            value.toLongLong(&ok);
        else if (!ok)
            value.toDouble(&ok);
        if (!ok)
            fail(ResultsCsvError::Kind::BadNumber, column);
        return value;
    }

    QDateTime time(Column column)
    {
        const QDateTime value = QDateTime::fromString(text(column), Qt::ISODate);
        if (!value.isValid())
            fail(ResultsCsvError::Kind::BadDate, column);
        return value;
    }

    int level()
    {
        const QString value = text(Level);
        for (int level = 0; level < QuestionBank::LevelCount; ++level) {
            if (value == LevelNames::name(level) || value == QString::number(level + 1))
                return level;
        }
        fail(ResultsCsvError::Kind::BadLevel, Level);
        return 0;
    }

    bool review()
    {
        const QString value = text(Review);
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            fail(ResultsCsvError::Kind::BadReviewFlag, Review);
        return value == QLatin1String("1");
    }

    QList<MissedText> timeOuts()
    {
        QList<MissedText> pairs;
        const QString value = text(TimeOuts);
        if (value.isEmpty())
            return pairs;
        for (const QString& line : value.split(u'\n')) {
            const qsizetype tab = line.indexOf(u'\t');
            if (tab < 0) {
                fail(ResultsCsvError::Kind::BadTimeOut, TimeOuts);
                return {};
            }
            pairs.append({line.left(tab), line.mid(tab + 1)});
        }
        return pairs;
    }

private:
    void fail(ResultsCsvError::Kind kind, Column column)
    {
        if (!failure)
            failure =
                ResultsCsvError{kind, record.line, ResultsCsv::columns()[column], text(column)};
    }

    const CsvText::Record& record;
    std::optional<ResultsCsvError> failure;
};

ResultsCsvError::Kind kindOf(CsvText::ParseError::Kind kind)
{
    switch (kind) {
    case CsvText::ParseError::Kind::UnterminatedQuote:
        return ResultsCsvError::Kind::UnterminatedQuote;
    case CsvText::ParseError::Kind::TextAfterClosingQuote:
        return ResultsCsvError::Kind::TextAfterClosingQuote;
    case CsvText::ParseError::Kind::QuoteInUnquotedField:
        break;
    }
    return ResultsCsvError::Kind::QuoteInUnquotedField;
}

} // namespace

std::optional<ResultsCsvError> rowFrom(const CsvText::Record& record, ResultRow& row)
{
    if (record.fields.size() != ResultsCsv::columns().size())
        return ResultsCsvError{ResultsCsvError::Kind::ColumnCount,
                               record.line,
                               {},
                               QString::number(record.fields.size())};
    LineReader line(record);
    row.learner = line.text(Learner);
    row.file = line.text(File);
    row.level = line.level();
    row.startedAt = line.time(StartedAt);
    row.finishedAt = line.time(FinishedAt);
    row.review = line.review();
    row.inputs = {line.integer(Seconds), line.integer(Questions), line.integer(Corrects),
                  line.ticks(CorrectTime), line.ticks(AnswerTime)};
    row.figures = {line.figure(StandardTime, true), line.figure(AverageCorrectTime, false),
                   line.figure(AverageInputTime, false), line.figure(CorrectRate, true)};
    row.timeOuts = line.timeOuts();
    return line.error();
}

ResultsCsvRead read(QByteArrayView bytes)
{
    const CsvText::Parsed parsed = CsvText::parse(CsvText::decode(bytes));
    const QList<CsvText::Record>& records = parsed.records;
    if (records.isEmpty() && parsed.error)
        return {{}, ResultsCsvError{kindOf(parsed.error->kind), parsed.error->line, {}, {}}};
    if (records.isEmpty() || records[0].fields != ResultsCsv::columns())
        return {
            {},
            ResultsCsvError{
                ResultsCsvError::Kind::NoHeader, records.isEmpty() ? 1 : records[0].line, {}, {}}};
    ResultsCsvRead read;
    for (qsizetype i = 1; i < records.size(); ++i) {
        ResultRow row;
        if (std::optional<ResultsCsvError> error = rowFrom(records[i], row))
            return {{}, std::move(error)};
        read.rows.append(std::move(row));
    }
    // The lines before a quoting fault are read first: an earlier malformed line is the one
    // reported.
    if (parsed.error)
        return {{}, ResultsCsvError{kindOf(parsed.error->kind), parsed.error->line, {}, {}}};
    return read;
}

} // namespace ResultsCsvReader
