#include "drill/ReportFigures.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace ReportFigures {

namespace {

const QString PerSecond = QStringLiteral("／秒");
const QString Percent = QStringLiteral("／％");

constexpr int SignificantDigits = 15;
constexpr int LowestPositionalExponent = -3;
constexpr int HighestPositionalExponent = 15;

// Every finite double has a finite decimal expansion of at most 767 significant digits; asking
// for more digits than that yields it exactly, so the rounding below sees the true value.
constexpr int ExactPrecision = 800;

// |v| = 0.digits × 10^exponent, digits without trailing zeros.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

Decimal exactDecimal(double magnitude)
{
    char buffer[ExactPrecision + 32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                   std::chars_format::scientific, ExactPrecision)
                         .ptr;
    const std::string_view text(buffer, end - buffer); // d.ddd…e±x
    const std::size_t mark = text.find('e');
    std::string_view power = text.substr(mark + 1);
    if (power.front() == '+')
        power.remove_prefix(1);
    int scientificExponent = 0;
    std::from_chars(power.data(), power.data() + power.size(), scientificExponent);
    std::string digits(1, text[0]);
    digits.append(text.substr(2, mark - 2));
    return {digits, scientificExponent + 1};
}

Decimal roundToSignificantDigits(Decimal value)
{
    std::string& digits = value.digits;
    const bool roundUp = digits[SignificantDigits] >= '5';
    digits.resize(SignificantDigits);
    if (roundUp) {
        int position = SignificantDigits - 1;
        while (position >= 0 && digits[position] == '9')
            digits[position--] = '0';
        if (position >= 0) {
            ++digits[position];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++value.exponent;
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return value;
}

QString positionalText(const Decimal& value)
{
    const QString digits = QString::fromStdString(value.digits);
    if (value.exponent <= 0)
        return QStringLiteral("0.") + QString(-value.exponent, u'0') + digits;
    if (digits.size() <= value.exponent)
        return digits + QString(value.exponent - digits.size(), u'0');
    return digits.left(value.exponent) + u'.' + digits.mid(value.exponent);
}

QString exponentText(const Decimal& value)
{
    const QString digits = QString::fromStdString(value.digits);
    QString text = digits.left(1);
    if (digits.size() > 1)
        text += u'.' + digits.mid(1);
    return text + u'E' + QString::number(value.exponent - 1);
}

QString averageText(qint32 tickSum, qint64 standard)
{
    if (standard <= 0)
        return Unavailable;
    return generalNumberText(static_cast<double>(tickSum) / static_cast<double>(standard));
}

} // namespace

QString integerText(qint64 value)
{
    return QString::number(value);
}

QString generalNumberText(double value)
{
    if (!std::isfinite(value))
        return Unavailable;
    if (value == 0)
        return QStringLiteral("0");
    const Decimal rounded = roundToSignificantDigits(exactDecimal(std::fabs(value)));
    const bool positional = rounded.exponent >= LowestPositionalExponent &&
                            rounded.exponent <= HighestPositionalExponent;
    const QString text = positional ? positionalText(rounded) : exponentText(rounded);
    return value < 0 ? u'-' + text : text;
}

qint64 standardTime(qint32 secondsPerQuestion, qint32 questionsPerGame)
{
    return static_cast<qint64>(secondsPerQuestion) * questionsPerGame;
}

std::optional<qint64> correctRate(qint32 correctCount, qint32 questionsPerGame)
{
    if (questionsPerGame <= 0)
        return std::nullopt;
    const double quotient = static_cast<double>(correctCount) / questionsPerGame;
    const double percent = quotient * 100;
    const double below = std::floor(percent);
    const double fraction = percent - below;
    const auto rounded = static_cast<qint64>(below);
    const bool up = fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0);
    return up ? rounded + 1 : rounded;
}

ReportTexts texts(const ReportInputs& inputs)
{
    const qint64 standard = standardTime(inputs.secondsPerQuestion, inputs.questionsPerGame);
    const std::optional<qint64> rate = correctRate(inputs.correctCount, inputs.questionsPerGame);
    return {
        integerText(standard) + PerSecond,
        averageText(inputs.correctTimeSum, standard) + PerSecond,
        averageText(inputs.answerTimeSum, standard) + PerSecond,
        (rate ? integerText(*rate) : Unavailable) + Percent,
    };
}

} // namespace ReportFigures
