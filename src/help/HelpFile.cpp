#include "help/HelpFile.h"

namespace HelpFile {

QString pathFor(const QString& executablePath)
{
    const qsizetype nameStart = executablePath.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = executablePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype baseEnd = dot >= nameStart ? dot : executablePath.size();
    return executablePath.left(baseEnd) + QStringLiteral(".qhc");
}

} // namespace HelpFile
