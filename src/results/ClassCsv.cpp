#include "results/ClassCsv.h"

#include "results/ResultsCsv.h"

#include <cmath>

namespace ClassCsv {

namespace {

// Rates to a tenth of a percent point, times to a thousandth as the report shows most of them.
constexpr int RateDecimals = 1;
constexpr int TimeDecimals = 3;

QString numberText(std::optional<double> value, int decimals)
{
    if (!value)
        return {};
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(*value * scale) / scale;
    // A change rounded to nothing has no sign.
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', decimals);
}

QStringList fieldsOf(const ClassRow& row)
{
    return {row.learner,
            row.file,
            ResultsCsv::levelText(row.level),
            QString::number(row.games),
            QString::number(row.reviewGames),
            ResultsCsv::timeText(row.firstPlayed),
            ResultsCsv::timeText(row.lastPlayed),
            rateText(row.firstCorrectRate),
            rateText(row.recentCorrectRate),
            rateText(change(row.firstCorrectRate, row.recentCorrectRate)),
            timeText(row.firstAverageCorrectTime),
            timeText(row.recentAverageCorrectTime),
            timeText(change(row.firstAverageCorrectTime, row.recentAverageCorrectTime))};
}

} // namespace

QString rateText(std::optional<double> rate)
{
    return numberText(rate, RateDecimals);
}

QString timeText(std::optional<double> time)
{
    return numberText(time, TimeDecimals);
}

std::optional<double> change(std::optional<double> first, std::optional<double> recent)
{
    return first && recent ? std::optional(*recent - *first) : std::nullopt;
}

CsvText::Encoded classTable(const ClassTable& table, CsvText::Encoding encoding)
{
    QString text = CsvText::record({
        QStringLiteral("学習者"),
        QStringLiteral("ファイル"),
        QStringLiteral("レベル"),
        QStringLiteral("ゲーム数"),
        QStringLiteral("復習ゲーム数"),
        QStringLiteral("最初の日時"),
        QStringLiteral("最後の日時"),
        QStringLiteral("最初%1回の正解率").arg(ClassMerge::Window),
        QStringLiteral("最近%1回の正解率").arg(ClassMerge::Window),
        QStringLiteral("正解率の変化"),
        QStringLiteral("最初%1回の平均正解時間").arg(ClassMerge::Window),
        QStringLiteral("最近%1回の平均正解時間").arg(ClassMerge::Window),
        QStringLiteral("平均正解時間の変化"),
    });
    for (const ClassRow& row : table.rows)
        text += CsvText::record(fieldsOf(row));
    return CsvText::encode(text, encoding);
}

CsvText::Encoded missedPairs(const ClassTable& table, CsvText::Encoding encoding)
{
    QString text = CsvText::record({QStringLiteral("問題"), QStringLiteral("答え"),
                                    QStringLiteral("時間切れ回数"), QStringLiteral("学習者数")});
    for (const ClassMissedPair& pair : table.missed)
        text += CsvText::record({pair.question, pair.answer, QString::number(pair.timeOuts),
                                 QString::number(pair.learners)});
    return CsvText::encode(text, encoding);
}

} // namespace ClassCsv
