#pragma once

#include <QString>

// The names of the question file's three levels, as every window and the data tool show them.
namespace LevelNames {

// "初級", "中級", "上級" for the levels 0, 1 and 2.
QString name(int level);

// The name with the level's number as its access key, as menus and radio buttons show it.
QString caption(int level);

// The names in order, joined by the separator.
QString all(const QString& separator);

} // namespace LevelNames
