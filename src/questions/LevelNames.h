#pragma once

#include <QString>

// The names of the question file's three levels, as every window and the data tool show them.
namespace LevelNames {

// The name of level 0, 1 or 2, as the file format and every window call it.
QString name(int level);

// The name with the level's number as its access key, as menus and radio buttons show it.
QString caption(int level);

// The names in order, joined by the separator.
QString all(const QString& separator);

} // namespace LevelNames
