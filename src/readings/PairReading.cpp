#include "readings/PairReading.h"

namespace Alternatives {

QString join(const QStringList& alternatives)
{
    return alternatives.join(Separator);
}

QStringList split(const QString& text)
{
    QStringList parts;
    for (const QString& part : text.split(QLatin1Char('|'))) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts;
}

} // namespace Alternatives
