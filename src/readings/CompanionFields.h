#pragma once

#include <QString>
#include <QStringView>

// How the companion file writes a row: its columns, its header and its mark, and the escapes
// that keep a tab or a line break inside a text from ending its field or its line.
namespace CompanionFields {

inline const QString Header = QStringLiteral("レベル\t問題\t回答\tよみ\t別解\t要確認");
inline const QString CheckMark = QStringLiteral("✓");
inline constexpr qsizetype RequiredColumns = 4;
inline constexpr qsizetype ReadingColumn = 3;
inline constexpr qsizetype AlternativesColumn = 4;
inline constexpr qsizetype CheckColumn = 5;

// A backslash, a tab, a line feed or a carriage return as \\, \t, \n or \r.
QString escaped(const QString& text);
// Those four back; a backslash before anything else is a backslash, as a person typing the file
// would mean it.
QString unescaped(QStringView field);

} // namespace CompanionFields
