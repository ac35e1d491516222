#include "questions/LevelNames.h"

#include "questions/QuestionBank.h"

#include <QStringList>

#include <array>

namespace LevelNames {

QString name(int level)
{
    static const std::array<QString, QuestionBank::LevelCount> names{
        QStringLiteral("初級"), QStringLiteral("中級"), QStringLiteral("上級")};
    return names.at(level);
}

QString caption(int level)
{
    return QStringLiteral("%1(&%2)").arg(name(level)).arg(level + 1);
}

QString all(const QString& separator)
{
    QStringList names;
    for (int level = 0; level < QuestionBank::LevelCount; ++level)
        names.append(name(level));
    return names.join(separator);
}

} // namespace LevelNames
