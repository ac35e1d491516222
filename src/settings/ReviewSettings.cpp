#include "settings/ReviewSettings.h"

#include <QLocale>
#include <QStringList>

SchedulerParameters ReviewSettings::schedulerParameters() const
{
    return {weights, retention, maximumIntervalDays, true};
}

bool ReviewSettings::schedulesDifferFrom(const ReviewSettings& other) const
{
    return retention != other.retention || maximumIntervalDays != other.maximumIntervalDays ||
           weights != other.weights;
}

QString weightsText(const Weights& weights)
{
    QStringList texts;
    for (const double weight : weights)
        texts << QString::number(weight, 'g', QLocale::FloatingPointShortest);
    return texts.join(QStringLiteral(", "));
}
