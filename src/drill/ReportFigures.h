#pragma once

#include <QString>

#include <optional>

// What the result dialog is computed from: the two drill settings as they are when the report
// runs, and the tally of the last game.
struct ReportInputs
{
    qint32 secondsPerQuestion = 0; // S
    qint32 questionsPerGame = 0;   // N
    qint32 correctCount = 0;       // C
    qint32 correctTimeSum = 0;     // A, in ticks of 100 ms
    qint32 answerTimeSum = 0;      // B, in ticks of 100 ms

    friend bool operator==(const ReportInputs&, const ReportInputs&) = default;
};

// The four value texts of the result dialog, each ending in its full-width suffix.
struct ReportTexts
{
    QString standardTime;
    QString averageCorrectTime;
    QString averageInputTime;
    QString correctRate;

    friend bool operator==(const ReportTexts&, const ReportTexts&) = default;
};

namespace ReportFigures {

// The result dialog's names for its figures; the history's table and reports name them the same.
inline const QString StandardTimeCaption = QStringLiteral("基準タイム");
inline const QString AverageCorrectTimeCaption = QStringLiteral("正解平均タイム");
inline const QString AverageInputTimeCaption = QStringLiteral("入力平均タイム");
inline const QString CorrectRateCaption = QStringLiteral("正解率");

// Shown in place of a number that cannot be computed; the suffix still follows it ("-／秒").
// Only stored settings outside the dialog's ranges lead there: the averages need S × N of at
// least 1, the rate needs N of at least 1. The standard time needs no division and is always
// shown as the product, also when it is 0 or negative.
inline const QString Unavailable = QStringLiteral("-");

// Decimal digits without grouping or padding, "-" in front of a negative value.
QString integerText(qint64 value);

// At most 15 significant digits, rounded half up on the value's exact decimal expansion,
// without trailing zeros. With |v| = 0.d1…dn × 10^E, an E from -3 to 15 gives the positional
// form (0.0001, 1.75, 123456789012345), any other E the exponent form d1.d2…dnE(E-1) as in 1E-5
// or 1.5E20. "." separates the fraction and "-" marks a negative value; 0 and -0 give "0",
// NaN and the infinities give Unavailable.
QString generalNumberText(double value);

// S × N in 64 bits, so that no pair of stored settings can overflow it.
qint64 standardTime(qint32 secondsPerQuestion, qint32 questionsPerGame);

// C ÷ N, times 100, to the nearest integer with halves going to the even one; each step is
// rounded to double on its own. Nothing when N is 0 or negative.
std::optional<qint64> correctRate(qint32 correctCount, qint32 questionsPerGame);

ReportTexts texts(const ReportInputs& inputs);

} // namespace ReportFigures
