#include "results/ResultsCsv.h"

#include "questions/LevelNames.h"
#include "questions/QuestionBank.h"
#include "questions/TextCodec.h"

#include <QHash>

#include <algorithm>

namespace ResultsCsv {

namespace {

// A tab or line break inside a text would split the cell's question/answer lines wrongly.
QString cellText(QByteArrayView bytes)
{
    QString text = TextCodec::decode(bytes);
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

QString timeOutsText(const QList<MissedText>& timeOuts)
{
    QStringList lines;
    for (const MissedText& pair : timeOuts)
        lines.append(pair.question + u'\t' + pair.answer);
    return lines.join(u'\n');
}

} // namespace

ResultFigures figuresOf(const ReportTexts& texts)
{
    const auto number = [](const QString& text) {
        // Every figure ends in a suffix of two full-width characters.
        const QString value = text.size() >= 2 ? text.chopped(2) : text;
        return value == ReportFigures::Unavailable ? QString() : value;
    };
    return {number(texts.standardTime), number(texts.averageCorrectTime),
            number(texts.averageInputTime), number(texts.correctRate)};
}

const QStringList& columns()
{
    static const QStringList names{
        QStringLiteral("学習者"),
        QStringLiteral("ファイル"),
        QStringLiteral("レベル"),
        QStringLiteral("開始日時"),
        QStringLiteral("終了日時"),
        QStringLiteral("復習"),
        QStringLiteral("1問の秒数"),
        QStringLiteral("問題数"),
        QStringLiteral("正解数"),
        QStringLiteral("正解時間の合計(秒)"),
        QStringLiteral("入力時間の合計(秒)"),
        QStringLiteral("標準時間"),
        QStringLiteral("平均正解時間"),
        QStringLiteral("平均入力時間"),
        QStringLiteral("正解率"),
        QStringLiteral("時間切れ"),
    };
    return names;
}

QList<ResultRow> rowsOf(const QString& learner, const QList<FinishedGame>& games,
                        const QList<GameTimeOut>& timeOuts)
{
    QHash<qint64, QList<MissedText>> missedBy;
    for (const GameTimeOut& timeOut : timeOuts)
        missedBy[timeOut.game].append(
            {cellText(timeOut.pair.question), cellText(timeOut.pair.answer)});
    QList<ResultRow> rows;
    rows.reserve(games.size());
    for (const FinishedGame& game : games) {
        rows.append({learner, game.filePath, game.level, game.startedAt, game.result.finishedAt,
                     game.review, game.result.inputs, figuresOf(game.result.texts),
                     missedBy.value(game.id)});
    }
    return rows;
}

QStringList fieldsOf(const ResultRow& row)
{
    const ReportInputs& inputs = row.inputs;
    return {row.learner,
            row.file,
            levelText(row.level),
            timeText(row.startedAt),
            timeText(row.finishedAt),
            row.review ? QStringLiteral("1") : QStringLiteral("0"),
            QString::number(inputs.secondsPerQuestion),
            QString::number(inputs.questionsPerGame),
            QString::number(inputs.correctCount),
            secondsText(inputs.correctTimeSum),
            secondsText(inputs.answerTimeSum),
            row.figures.standardTime,
            row.figures.averageCorrectTime,
            row.figures.averageInputTime,
            row.figures.correctRate,
            timeOutsText(row.timeOuts)};
}

CsvText::Encoded write(const QList<ResultRow>& rows, CsvText::Encoding encoding)
{
    QString text = CsvText::record(columns());
    for (const ResultRow& row : rows)
        text += CsvText::record(fieldsOf(row));
    return CsvText::encode(text, encoding);
}

QString secondsText(qint64 ticks)
{
    const qint64 tenths = ticks < 0 ? -ticks : ticks;
    QString text = ticks < 0 ? QStringLiteral("-") : QString();
    text += QString::number(tenths / 10);
    if (tenths % 10 != 0)
        text += u'.' + QString::number(tenths % 10);
    return text;
}

std::optional<qint64> ticksOf(QStringView text)
{
    constexpr qsizetype MostDigits = 18;
    const bool negative = text.startsWith(u'-');
    const QStringView number = negative ? text.sliced(1) : text;
    const qsizetype point = number.indexOf(u'.');
    const QStringView whole = point < 0 ? number : number.first(point);
    const QStringView tenth = point < 0 ? QStringView() : number.sliced(point + 1);
    const auto digits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (whole.isEmpty() || whole.size() > MostDigits || !digits(whole) ||
        (point >= 0 && (tenth.size() != 1 || !digits(tenth))))
        return std::nullopt;
    qint64 ticks = 0;
    for (const QChar c : whole)
        ticks = ticks * 10 + (c.unicode() - u'0');
    ticks = ticks * 10 + (tenth.isEmpty() ? 0 : tenth[0].unicode() - u'0');
    return negative ? -ticks : ticks;
}

QString timeText(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    // Local time itself is written without its offset.
    const QDateTime local = time.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QString levelText(int level)
{
    return level >= 0 && level < QuestionBank::LevelCount ? LevelNames::name(level)
                                                          : QString::number(level + 1);
}

} // namespace ResultsCsv
