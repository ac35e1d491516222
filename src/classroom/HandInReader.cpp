#include "classroom/HandInReader.h"

#include "results/CsvText.h"
#include "results/ResultsCsv.h"
#include "results/ResultsCsvReader.h"

#include <optional>

namespace HandInReader {

namespace {

using Result = Fallible<HandIn, QString>;

const QStringList PupilHeader{QStringLiteral("組"), QStringLiteral("番号"), QStringLiteral("名前"),
                              QStringLiteral("課題")};
const QStringList AnswerHeader{QStringLiteral("問題"), QStringLiteral("答え"),
                               QStringLiteral("結果"), QStringLiteral("時間(秒)"),
                               QStringLiteral("入力")};

// A question's time: unsigned ("-0" too), and at most what nine digits of seconds hold.
std::optional<qint64> ticksOf(const QString& text)
{
    constexpr qint64 MostTicks = 9'999'999'999;
    const std::optional<qint64> ticks = ResultsCsv::ticksOf(text);
    if (text.startsWith(u'-') || !ticks || *ticks > MostTicks)
        return std::nullopt;
    return ticks;
}

std::optional<HandInAnswer> answerOf(const QStringList& fields)
{
    if (fields.size() != AnswerHeader.size())
        return std::nullopt;
    const bool correct = fields[2] == u"正解";
    const std::optional<qint64> ticks = ticksOf(fields[3]);
    if ((!correct && fields[2] != u"時間切れ") || !ticks || (correct && !fields[4].isEmpty()))
        return std::nullopt;
    return HandInAnswer{fields[0], fields[1], correct, *ticks, fields[4]};
}

std::optional<Pupil> pupilOf(const QStringList& fields)
{
    if (fields.size() != PupilHeader.size())
        return std::nullopt;
    const Pupil pupil{fields[0], fields[1], fields[2]};
    if (!pupil.isKnown() || pupil.classGroup.size() > PupilText::MostClassCharacters ||
        pupil.number.size() > PupilText::MostNumberCharacters ||
        pupil.name.size() > PupilText::MostNameCharacters)
        return std::nullopt;
    return pupil;
}

QString atLine(int line, const QString& what)
{
    return QStringLiteral("%1行目: %2").arg(line).arg(what);
}

} // namespace

Fallible<HandIn, QString> read(QByteArrayView bytes)
{
    if (bytes.size() > MostBytes)
        return Result::failed(QStringLiteral("大きすぎます"));
    const CsvText::Parsed parsed = CsvText::parse(CsvText::decode(bytes));
    if (parsed.error)
        return Result::failed(
            atLine(parsed.error->line, QStringLiteral("引用符が正しくありません")));
    const QList<CsvText::Record>& records = parsed.records;
    if (records.size() < 6 ||
        records[0].fields != QStringList{QStringLiteral("Tazune-hand-in"), QStringLiteral("1")} ||
        records[1].fields != PupilHeader || records[3].fields != ResultsCsv::columns() ||
        records[5].fields != AnswerHeader)
        return Result::failed(QStringLiteral("提出ファイルの形ではありません"));
    if (records.size() - 6 > MostAnswers)
        return Result::failed(QStringLiteral("問題が多すぎます"));
    HandIn handIn;
    const std::optional<Pupil> pupil = pupilOf(records[2].fields);
    if (!pupil)
        return Result::failed(
            atLine(records[2].line, QStringLiteral("組・番号・名前が正しくありません")));
    handIn.pupil = *pupil;
    handIn.assignmentTitle = records[2].fields[3];
    if (const std::optional<ResultsCsvError> error =
            ResultsCsvReader::rowFrom(records[4], handIn.game))
        return Result::failed(atLine(error->line, QStringLiteral("ゲームの行が正しくありません")));
    for (qsizetype index = 6; index < records.size(); ++index) {
        const std::optional<HandInAnswer> answer = answerOf(records[index].fields);
        if (!answer)
            return Result::failed(
                atLine(records[index].line, QStringLiteral("問題の行が正しくありません")));
        handIn.answers.append(*answer);
    }
    return handIn;
}

} // namespace HandInReader
